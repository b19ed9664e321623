#include "scene.h"

#include "dialog_harness.h"

namespace huevane_test {

namespace {

// A plain window painted in one colour by its class brush.
HWND SolidWindow(int x, int y, int width, int height, COLORREF colour) {
    char className[32];
    wsprintfA(className, "HuevaneScene%06lX", colour & 0xFFFFFFul);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ::DefWindowProcA;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hbrBackground = ::CreateSolidBrush(colour);
    windowClass.lpszClassName = className;
    ::RegisterClassA(&windowClass);
    HWND window = ::CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, className, "", WS_POPUP | WS_VISIBLE, x,
                                    y, width, height, nullptr, nullptr, windowClass.hInstance, nullptr);
    ::UpdateWindow(window);
    return window;
}

// Whether the screen shows `colour` in the part of `part` that lies on the
// screens (a scene at an edge reaches beyond them).
bool ScreenShows(RECT part, COLORREF colour) {
    const RECT screens = VirtualScreen();
    RECT shown{};
    if (!::IntersectRect(&shown, &part, &screens)) return true;
    return ScreenPixel((shown.left + shown.right) / 2, (shown.top + shown.bottom) / 2) == colour;
}

}  // namespace

// The scene is there once the screen shows it: X maps windows in its own time.
Scene::Scene(RECT area, int splitX, COLORREF left, COLORREF right) {
    left_ = SolidWindow(area.left, area.top, splitX - area.left, area.bottom - area.top, left);
    right_ = SolidWindow(splitX, area.top, area.right - splitX, area.bottom - area.top, right);
    const RECT leftPart{area.left, area.top, splitX, area.bottom};
    const RECT rightPart{splitX, area.top, area.right, area.bottom};
    PumpUntil([&] { return ScreenShows(leftPart, left) && ScreenShows(rightPart, right); });
}

Scene::~Scene() {
    ::DestroyWindow(left_);
    ::DestroyWindow(right_);
    PumpMessages(20);
}

RECT VirtualScreen() {
    const int left = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + ::GetSystemMetrics(SM_CXVIRTUALSCREEN),
            top + ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

COLORREF ClientPixel(HWND window, int x, int y) {
    POINT point{x, y};
    ::ClientToScreen(window, &point);
    return ScreenPixel(point.x, point.y);
}

}  // namespace huevane_test
