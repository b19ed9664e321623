// A scene of known colours on the screen for the tick to read: a top-level
// window split at a column into a left and a right colour.
#pragma once

#include <windows.h>

namespace huevane_test {

class Scene {
public:
    Scene(RECT area, int splitX, COLORREF left, COLORREF right);
    ~Scene();
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

private:
    HWND left_ = nullptr;
    HWND right_ = nullptr;
};

// The colour of a screen pixel, as the screen shows it now.
COLORREF ScreenPixel(int x, int y);

// The colour of a pixel of a window's client area.
COLORREF ClientPixel(HWND window, int x, int y);

}  // namespace huevane_test
