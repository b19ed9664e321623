#include "dpi.h"

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

template <class Function>
Function FindInUser32(const char* name) {
    const FARPROC found = ::GetProcAddress(::GetModuleHandleA("user32.dll"), name);
    // Through a pointer to a function without parameters, the form that may
    // be cast to any other function pointer without a warning.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

UINT ScreenDpi() {
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : kDefaultDpi;
}

}  // namespace

UINT DpiOfWindow(HWND window) {
    static const auto getDpiForWindow = FindInUser32<GetDpiForWindowFunction>("GetDpiForWindow");
    if (getDpiForWindow) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi != 0) return dpi;
    }
    return ScreenDpi();
}

RECT WindowRectForClient(const RECT& client, HWND window, UINT dpi) {
    static const auto adjustForDpi =
        FindInUser32<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
    RECT rect = client;
    const auto style = static_cast<DWORD>(::GetWindowLongA(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(::GetWindowLongA(window, GWL_EXSTYLE));
    if (!adjustForDpi || !adjustForDpi(&rect, style, TRUE, exStyle, dpi)) {
        ::AdjustWindowRectEx(&rect, style, TRUE, exStyle);
    }
    return rect;
}
