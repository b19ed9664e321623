// What the tests know of the main window's template, written once.
#pragma once

#include <windows.h>

#include <cstring>
#include <vector>

namespace huevane_test {

// The controls of the main window's template, every one a child of the
// window.
inline constexpr int kMainWindowControls = 20;

// The main window's children: the template's controls, and apart from them
// the window that the program makes at run time to say what it does.
struct MainWindowChildren {
    std::vector<HWND> controls;
    std::vector<HWND> announcers;
};
inline MainWindowChildren ChildrenOf(HWND window) {
    MainWindowChildren children;
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        char name[32] = {};
        ::GetClassNameA(child, name, sizeof name);
        (std::strcmp(name, "HuevaneAnnouncements") == 0 ? children.announcers : children.controls)
            .push_back(child);
    }
    return children;
}

}  // namespace huevane_test
