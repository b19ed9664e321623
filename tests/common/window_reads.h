// What any program can read of a window and of the screen, for the window
// tests and the probe alike; and how long either waits for it.
#pragma once

#include <windows.h>

#include <string>

namespace huevane_test {

// How long what must happen may take on a busy machine, 32-bit code through
// qemu-user included; the scripts' patience is the same.
inline constexpr DWORD kPatienceMs = 60000;

// A window's text, by its message, which reaches another process's window too.
inline std::string WindowText(HWND window) {
    char text[1024] = {};
    ::SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

// The colour of a screen pixel, as the screen shows it now.
inline COLORREF ScreenPixel(int x, int y) {
    HDC screen = ::GetDC(nullptr);
    const COLORREF colour = ::GetPixel(screen, x, y);
    ::ReleaseDC(nullptr, screen);
    return colour;
}

}  // namespace huevane_test
