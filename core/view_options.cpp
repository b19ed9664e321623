#include "view_options.h"

#include "picker_state.h"

namespace huevane {

namespace {

// Toggles the item's mark when it does not already show `checked`.
void BringMarkTo(PickerState& state, MenuItem item, bool checked, Effects& effects) {
    if (state.m_marks.IsChecked(item) != checked) ToggleMenuCheck(state, item, effects);
}

const ScalePreset* PresetInForce(const PickerState& state) {
    for (const ScalePreset& preset : kScalePresets) {
        if (preset.offset == state.m_nZoomOffset) return &preset;
    }
    return nullptr;
}

}  // namespace

Effects OnOptionsZoom(PickerState& state) {
    Effects effects;
    state.m_bZoom ^= 1;
    ToggleMenuCheck(state, kEnableZoomItem, effects);
    effects.push_back(RepaintWindow{});
    return effects;
}

Effects OnOptionsOnTop(PickerState& state) {
    state.m_bOnTop ^= 1;
    Effects effects{SetTopmost{state.m_bOnTop == 1}};
    ToggleMenuCheck(state, kStayOnTopItem, effects);
    return effects;
}

Effects OnTimerStart(PickerState& state) {
    state.m_bSampling = 1;
    Effects effects;
    // Unseen, sampling waits for the window to be seen again.
    if (!state.m_unseen.Any()) effects.push_back(StartSampleTimer{});
    BringMarkTo(state, kStartItem, true, effects);
    BringMarkTo(state, kStopItem, false, effects);
    return effects;
}

Effects OnTimerStop(PickerState& state) {
    state.m_bSampling = 0;
    Effects effects{StopSampleTimer{}};
    BringMarkTo(state, kStartItem, false, effects);
    BringMarkTo(state, kStopItem, true, effects);
    effects.push_back(RepaintWindow{});
    return effects;
}

Effects ChooseScale(PickerState& state, const ScalePreset& chosen) {
    Effects effects;
    const ScalePreset* inForce = PresetInForce(state);
    if (!inForce || *inForce != chosen) {
        ToggleMenuCheck(state, chosen.item, effects);
        if (inForce) ToggleMenuCheck(state, inForce->item, effects);
    }
    state.m_nZoomOffset = chosen.offset;
    state.m_nZoomSize = chosen.size;
    return effects;
}

Effects OnScale2x(PickerState& state) { return ChooseScale(state, kScale2x); }
Effects OnScale4x(PickerState& state) { return ChooseScale(state, kScale4x); }
Effects OnScale8x(PickerState& state) { return ChooseScale(state, kScale8x); }

Effects ViewOptionsStartUp(PickerState& state) {
    Effects effects;
    state.m_bZoom = 1;
    ToggleMenuCheck(state, kEnableZoomItem, effects);
    state.m_bHotKeys = 1;
    ToggleMenuCheck(state, kHotKeysItem, effects);
    state.m_bSampling = 1;
    ToggleMenuCheck(state, kStopItem, effects);
    state.m_bOnTop = 0;
    ToggleMenuCheck(state, kScale4xItem, effects);
    Append(effects, OnTimerStart(state));
    return effects;
}

void ScalePresetStartUp(PickerState& state) {
    state.m_nZoomOffset = kScale4x.offset;
    state.m_nZoomSize = kScale4x.size;
}

}  // namespace huevane
