// The screen check's probe: a short row of pixels that the main window
// paints in the gap between two of its controls, where nothing else is
// painted, away from the corners of its client area, and reads back from the
// screen as the sampling tick reads it.
//   ProbeOrigin    the probe's first pixel, in the window's client area
//   PaintProbe     the probe's colours, left to right
//   EraseProbe     the window's background again, in the window's own time
//   ReadProbe      what the screen shows there, once it has caught up
//   WineOnWayland  whether the program can tell that it runs there
#pragma once

#include <optional>

#include "platform.h"
#include "screen_check.h"

POINT ProbeOrigin(HWND window, HWND leftControl, HWND rightControl);
void PaintProbe(HWND window, POINT origin);
void EraseProbe(HWND window, POINT origin);
// None where a pixel of the probe lies under a window other than `window`
// or its controls: the screen shows that window there, not the probe.
std::optional<huevane::ProbePixels> ReadProbe(HWND window, POINT origin);
bool WineOnWayland();
