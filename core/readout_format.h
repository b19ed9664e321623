// Readout formats: the texts of a colour and of the pointer position, and
// the format list whose item index is the format index.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "colorref.h"
#include "effects.h"

namespace huevane {

struct PickerState;

enum ReadoutFormat : int { kFormatHex = 0, kFormatHtml = 1, kFormatRgb = 2 };

// The format list's items, in list order: an item's index is its format index.
inline constexpr std::array<std::string_view, 3> kFormatNames{"HEX", "HTML", "RGB"};

// The colour's text in the given format ("EC, E9, D8", "#ECE9D8",
// "236, 233, 216"), or nothing for an index outside 0 to 2. Bits 24-31 are
// dropped; red comes first although it is the low byte.
std::optional<std::string> FormatColor(COLORREF value, int format);

// "X: %d, Y: %d" in screen pixels; negative coordinates keep their sign.
std::string FormatPosition(int x, int y);

// The list's selection changed: the index becomes the format index, -1
// (nothing selected) included. No text is rewritten; the slots' names, which
// give their colours in the format, change.
Effects OnSelchangeFormat(PickerState& state, int selection);

// Start-up of the format list: its three items, "RGB" selected, index 2.
Effects FormatListStartUp(PickerState& state);

}  // namespace huevane
