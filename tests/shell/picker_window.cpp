#include "picker_window.h"

namespace huevane_test {

bool CombinationIsFree(UINT modifiers, UINT virtualKey) {
    HWND other = ::CreateWindowA("STATIC", "other", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    const bool free = ::RegisterHotKey(other, 1, modifiers, virtualKey) != FALSE;
    if (free) ::UnregisterHotKey(other, 1);
    ::DestroyWindow(other);
    return free;
}

}  // namespace huevane_test
