#include "readout_format.h"

#include <cstdio>

#include "picker_state.h"

namespace huevane {

namespace {

constexpr std::array<const char*, 3> kFormatStrings{
    "%02X, %02X, %02X",
    "#%02X%02X%02X",
    "%d, %d, %d",
};

}  // namespace

std::optional<std::string> FormatColor(COLORREF value, int format) {
    if (format < kFormatHex || format > kFormatRgb) return std::nullopt;
    char text[16];
    const int length = std::snprintf(text, sizeof text, kFormatStrings[static_cast<std::size_t>(format)],
                                     static_cast<int>(RedOf(value)), static_cast<int>(GreenOf(value)),
                                     static_cast<int>(BlueOf(value)));
    return std::string(text, static_cast<std::size_t>(length));
}

std::string FormatPosition(int x, int y) {
    char text[32];
    const int length = std::snprintf(text, sizeof text, "X: %d, Y: %d", x, y);
    return std::string(text, static_cast<std::size_t>(length));
}

Effects OnSelchangeFormat(PickerState& state, int selection) {
    state.m_nFormat = selection;
    // The slots are named with their colours in the format in force.
    return {SlotNamesChanged{}};
}

Effects FormatListStartUp(PickerState& state) {
    Effects effects;
    for (std::string_view name : kFormatNames) effects.push_back(AddFormatItem{std::string(name)});
    effects.push_back(SelectFormatItem{kFormatRgb});
    state.m_nFormat = kFormatRgb;
    return effects;
}

}  // namespace huevane
