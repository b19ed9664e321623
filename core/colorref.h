// COLORREF: one colour as the screen's pixel read returns it.
//
// Layout 0x00BBGGRR: red in bits 0-7, green in 8-15, blue in 16-23. Bits 24-31
// are not part of the colour; they are zero for a readable pixel and are kept
// as they came (the unreadable-pixel value 0xFFFFFFFF among them). Only the
// readouts take a value apart.
#pragma once

#include <cstdint>

namespace huevane {

using COLORREF = std::uint32_t;

constexpr COLORREF MakeColor(unsigned red, unsigned green, unsigned blue) {
    return (red & 0xFFu) | (green & 0xFFu) << 8 | (blue & 0xFFu) << 16;
}

constexpr unsigned RedOf(COLORREF value) { return value & 0xFFu; }
constexpr unsigned GreenOf(COLORREF value) { return value >> 8 & 0xFFu; }
constexpr unsigned BlueOf(COLORREF value) { return value >> 16 & 0xFFu; }

// The colour of every history slot until a capture reaches it, and of the
// current colour until the first tick: red 236, green 233, blue 216.
inline constexpr COLORREF kInitialSlotColour = MakeColor(236, 233, 216);

// What the screen's pixel read returns for a pixel that cannot be read.
inline constexpr COLORREF kInvalidColour = 0xFFFFFFFFu;

}  // namespace huevane
