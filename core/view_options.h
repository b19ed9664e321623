// View options: the zoom, sampling and stay-on-top switches, the scale
// presets and the commands of the Options, Timer and Scale menus. (The Hot
// Keys switch's command lives with the hot key binding.)
#pragma once

#include <algorithm>
#include <array>

#include "effects.h"
#include "menu_marks.h"

namespace huevane {

struct PickerState;

// The sampling timer's identifier and period.
inline constexpr unsigned kSampleTimerId = 1;
inline constexpr unsigned kSamplePeriodMs = 25;

// A scale preset: the zoom source is a square of `size` screen pixels whose
// top-left corner lies `offset` pixels left of and above the pointer. The
// offset is one less than half the size, so the pointer's pixel is the 20th
// of 40, the 10th of 20, the 5th of 10; the offset alone names the preset.
struct ScalePreset {
    int offset;
    int size;
    MenuItem item;

    friend constexpr bool operator==(const ScalePreset&, const ScalePreset&) = default;
};

inline constexpr ScalePreset kScale2x{19, 40, kScale2xItem};
inline constexpr ScalePreset kScale4x{9, 20, kScale4xItem};
inline constexpr ScalePreset kScale8x{4, 10, kScale8xItem};
inline constexpr std::array<ScalePreset, 3> kScalePresets{kScale2x, kScale4x, kScale8x};

// The side of the largest zoom source square: what a copy of the square must
// hold at any preset.
inline constexpr int kLargestZoomSize = [] {
    int largest = 0;
    for (const ScalePreset& preset : kScalePresets) largest = std::max(largest, preset.size);
    return largest;
}();

Effects OnOptionsZoom(PickerState& state);
Effects OnOptionsOnTop(PickerState& state);
Effects OnTimerStart(PickerState& state);
Effects OnTimerStop(PickerState& state);
Effects OnScale2x(PickerState& state);
Effects OnScale4x(PickerState& state);
Effects OnScale8x(PickerState& state);
// The Scale commands: the chosen preset's mark is toggled first, then that of
// the preset it replaces; choosing the preset in force changes no mark.
Effects ChooseScale(PickerState& state, const ScalePreset& chosen);

// Start-up of the switches and their marks, then sampling started. The
// preset is set later, by ScalePresetStartUp: the first tick comes only
// after start-up has returned, so it sees the preset.
Effects ViewOptionsStartUp(PickerState& state);
void ScalePresetStartUp(PickerState& state);

}  // namespace huevane
