// Where a box (About, Help) stands: centred over its owner when it opens,
// and wholly inside the work area of its screen then and after a change of
// scale, so that no part of it, its caption least of all, is out of reach.
#pragma once

#include "zoom_geometry.h"

namespace huevane {

// `box`'s top left corner moved as little as needed for the box to lie
// within `work`; where it is wider or taller, its left or top edge is kept on
// the work area's, so that its caption stays on the screen.
Point KeptWithin(const Rect& box, const Rect& work);

// The top left corner of a box of `width` by `height` centred over `owner`
// and kept within `work`.
Point CentredOver(const Rect& owner, std::int32_t width, std::int32_t height, const Rect& work);

}  // namespace huevane
