// The scale a window is shown at, as dots per inch (96 is 100 %).
#pragma once
#include <windows.h>

inline constexpr UINT kDefaultDpi = 96;

// The DPI of the monitor that holds `window` where the system keeps one per
// monitor (GetDpiForWindow, looked up at run time since older systems lack
// it), else the screen's.
UINT DpiOfWindow(HWND window);

// The window rectangle that holds `client` at scale `dpi`, with the frame
// and one row of menu bar of that scale (AdjustWindowRectExForDpi, looked up
// at run time; without it, at the system's scale).
RECT WindowRectForClient(const RECT& client, HWND window, UINT dpi);
