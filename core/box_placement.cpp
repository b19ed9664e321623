#include "box_placement.h"

#include <algorithm>

namespace huevane {

namespace {

// `start` moved as little as needed for [start, start + size) to lie within
// [low, low + room); where it cannot, it is `low`.
std::int32_t KeptWithin(std::int32_t start, std::int32_t size, std::int32_t low, std::int32_t room) {
    return std::max(low, std::min(start, low + room - size));
}

}  // namespace

Point KeptWithin(const Rect& box, const Rect& work) {
    return {KeptWithin(box.left, box.width, work.left, work.width),
            KeptWithin(box.top, box.height, work.top, work.height)};
}

Point CentredOver(const Rect& owner, std::int32_t width, std::int32_t height, const Rect& work) {
    const std::int32_t left = owner.left + (owner.width - width) / 2;
    const std::int32_t top = owner.top + (owner.height - height) / 2;
    return KeptWithin(Rect{left, top, width, height}, work);
}

}  // namespace huevane
