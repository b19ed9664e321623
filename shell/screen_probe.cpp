#include "screen_probe.h"

#include <cstddef>

POINT ProbeOrigin(HWND window, HWND leftControl, HWND rightControl) {
    RECT left{};
    RECT right{};
    ::GetWindowRect(leftControl, &left);
    ::GetWindowRect(rightControl, &right);
    const int width = static_cast<int>(huevane::kProbeColours.size());
    POINT origin{(left.right + right.left - width) / 2, (left.top + left.bottom) / 2};
    ::ScreenToClient(window, &origin);
    return origin;
}

void PaintProbe(HWND window, POINT origin) {
    CWindowDC dc(window);
    if (!dc.GetSafeHdc()) return;
    for (std::size_t i = 0; i < huevane::kProbeColours.size(); ++i) {
        ::SetPixelV(dc, origin.x + static_cast<int>(i), origin.y, huevane::kProbeColours[i]);
    }
    ::GdiFlush();
}

void EraseProbe(HWND window, POINT origin) {
    const RECT probe{origin.x, origin.y, origin.x + static_cast<int>(huevane::kProbeColours.size()),
                     origin.y + 1};
    ::InvalidateRect(window, &probe, TRUE);
}

namespace {

// Where the desktop is composed, what a window drew reaches the screen at
// the next composition ("DwmFlush function": "Issues a flush call that
// blocks the caller until the next present").
void WaitForComposition() {
    using IsEnabled = HRESULT(WINAPI*)(BOOL*);
    using Flush = HRESULT(WINAPI*)();
    static const IsEnabled isEnabled = SystemProc<IsEnabled>("dwmapi.dll", "DwmIsCompositionEnabled");
    static const Flush flush = SystemProc<Flush>("dwmapi.dll", "DwmFlush");
    BOOL enabled = FALSE;
    if (isEnabled && flush && SUCCEEDED(isEnabled(&enabled)) && enabled) flush();
}

}  // namespace

std::optional<huevane::ProbePixels> ReadProbe(HWND window, POINT origin) {
    WaitForComposition();
    CScreenDC screen;
    if (!screen.GetSafeHdc()) return std::nullopt;
    huevane::ProbePixels read{};
    for (std::size_t i = 0; i < read.size(); ++i) {
        POINT at{origin.x + static_cast<int>(i), origin.y};
        ::ClientToScreen(window, &at);
        if (::GetAncestor(::WindowFromPoint(at), GA_ROOT) != window) return std::nullopt;
        read[i] = ::GetPixel(screen, at.x, at.y);
    }
    return read;
}

// Wine gives its own version from ntdll; a Wayland desktop names its display
// to the programs it starts, and Wine passes that on.
bool WineOnWayland() {
    const HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    char display[2];
    return ntdll && ::GetProcAddress(ntdll, "wine_get_version") &&
           ::GetEnvironmentVariableA("WAYLAND_DISPLAY", display, sizeof display) > 0;
}
