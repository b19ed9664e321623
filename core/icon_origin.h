// Where the minimised window draws its icon: centred in the client area,
// rounding half a pixel toward the bottom right, with divisions that truncate
// toward zero (so a client one pixel narrower than the icon still gives 0).
#pragma once

#include "zoom_geometry.h"

namespace huevane {

constexpr Point MinimisedIconOrigin(int clientWidth, int clientHeight, int iconWidth, int iconHeight) {
    return {(clientWidth - iconWidth + 1) / 2, (clientHeight - iconHeight + 1) / 2};
}

}  // namespace huevane
