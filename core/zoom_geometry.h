// Zoom geometry: where the zoom view's source square lies on the screen, where
// its stretched copy goes in the view, and where the cross-hair is drawn.
#pragma once

#include <cstdint>

namespace huevane {

struct Point {
    std::int32_t x;
    std::int32_t y;
    bool operator==(const Point&) const = default;
};

struct Rect {
    std::int32_t left;
    std::int32_t top;
    std::int32_t width;
    std::int32_t height;
    bool operator==(const Rect&) const = default;
};

// A line from `start` up to, not including, `end`.
struct Segment {
    Point start;
    Point end;
    bool operator==(const Segment&) const = default;
};

struct ZoomGeometry {
    Rect source;       // screen coordinates, not clamped to the screen
    Rect destination;  // zoom view coordinates
    Segment vertical;
    Segment horizontal;
    bool operator==(const ZoomGeometry&) const = default;
};

// The view's client rectangle as the platform reports it (left, top, right,
// bottom). The destination is that rectangle narrowed by one pixel at the left
// and at the right. The cross-hair stands at half the destination's width and
// height, taken as view coordinates as they are: the vertical line falls one
// pixel left of the destination's middle, the horizontal line on its middle.
ZoomGeometry ComputeZoomGeometry(Point pointer, int zoomOffset, int zoomSize, std::int32_t left,
                                 std::int32_t top, std::int32_t right, std::int32_t bottom);

// Whether `inner` lies wholly inside `outer`.
constexpr bool Contains(const Rect& outer, const Rect& inner) {
    return inner.left >= outer.left && inner.top >= outer.top &&
           inner.left + inner.width <= outer.left + outer.width &&
           inner.top + inner.height <= outer.top + outer.height;
}

}  // namespace huevane
