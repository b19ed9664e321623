// What the tests know of the main window's template, written once.
#pragma once

namespace huevane_test {

// The controls of the main window's template, every one a child of the
// window.
inline constexpr int kMainWindowControls = 20;

}  // namespace huevane_test
