// Zoom geometry: where the zoom view's source square lies on the screen, where
// its stretched copy goes in the view, and where the cross-hair is drawn.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>

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

// The zoom source square round the pointer: the pointer's pixel lies inside
// it, at the zoom offset from its top-left corner; not clamped to the screen.
constexpr Rect ZoomSourceSquare(Point pointer, int zoomOffset, int zoomSize) {
    return Rect{pointer.x - zoomOffset, pointer.y - zoomOffset, zoomSize, zoomSize};
}

// The view's client rectangle as the platform reports it (left, top, right,
// bottom). The destination is that rectangle narrowed by one pixel at the left
// and at the right. The cross-hair stands at half the destination's width and
// height, taken as view coordinates as they are: the vertical line falls one
// pixel left of the destination's middle, the horizontal line on its middle.
ZoomGeometry ComputeZoomGeometry(Point pointer, int zoomOffset, int zoomSize, std::int32_t left,
                                 std::int32_t top, std::int32_t right, std::int32_t bottom);

// The part of `a` that lies inside `b`; nothing when they do not overlap.
// The screens can start left of or above (0, 0), so either may be negative.
constexpr std::optional<Rect> Intersection(const Rect& a, const Rect& b) {
    const std::int64_t left = std::max(a.left, b.left);
    const std::int64_t top = std::max(a.top, b.top);
    const std::int64_t right =
        std::min<std::int64_t>(std::int64_t{a.left} + a.width, std::int64_t{b.left} + b.width);
    const std::int64_t bottom =
        std::min<std::int64_t>(std::int64_t{a.top} + a.height, std::int64_t{b.top} + b.height);
    if (right <= left || bottom <= top) return std::nullopt;
    return Rect{static_cast<std::int32_t>(left), static_cast<std::int32_t>(top),
                static_cast<std::int32_t>(right - left), static_cast<std::int32_t>(bottom - top)};
}

}  // namespace huevane
