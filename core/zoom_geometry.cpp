#include "zoom_geometry.h"

namespace huevane {

ZoomGeometry ComputeZoomGeometry(Point pointer, int zoomOffset, int zoomSize, std::int32_t left,
                                 std::int32_t top, std::int32_t right, std::int32_t bottom) {
    const std::int32_t destLeft = left + 1;
    const std::int32_t destRight = right - 1;
    const std::int32_t cx = (destRight - destLeft) / 2;
    const std::int32_t cy = (bottom - top) / 2;
    return ZoomGeometry{
        .source = ZoomSourceSquare(pointer, zoomOffset, zoomSize),
        .destination = {destLeft, top, destRight - destLeft, bottom - top},
        .vertical = {{cx, top}, {cx, bottom}},
        .horizontal = {{destLeft, cy}, {destRight, cy}},
    };
}

}  // namespace huevane
