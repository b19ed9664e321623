// A scene of known colours on the screen for the tick to read: a top-level
// window split at a column into a left and a right colour.
#pragma once

#include <windows.h>

#include "window_reads.h"

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

// The scene's colours, which nothing else on the screen shows.
inline constexpr COLORREF kSceneLeft = RGB(10, 200, 30);
inline constexpr COLORREF kSceneRight = RGB(40, 50, 220);

// All the screens together, in screen coordinates.
RECT VirtualScreen();

// The colour of a pixel of a window's client area.
COLORREF ClientPixel(HWND window, int x, int y);

}  // namespace huevane_test
