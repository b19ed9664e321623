#include "capture_history.h"

#include <array>
#include <cstddef>

#include "accessible_names.h"
#include "picker_state.h"
#include "readout_format.h"

namespace huevane {

namespace {

constexpr std::array<COLORREF PickerState::*, kHistorySlots> kSlotMembers{
    &PickerState::m_crHistory1, &PickerState::m_crHistory2, &PickerState::m_crHistory3,
    &PickerState::m_crHistory4, &PickerState::m_crHistory5,
};

constexpr std::array<Control, kHistorySlots> kSlotButtons{
    Control::Slot1, Control::Slot2, Control::Slot3, Control::Slot4, Control::Slot5,
};

// Slots are counted from 1, as the buttons are numbered.
std::size_t IndexOf(int slot) { return static_cast<std::size_t>(slot - 1); }

}  // namespace

COLORREF SlotColour(const PickerState& state, int slot) { return state.*kSlotMembers[IndexOf(slot)]; }

Control SlotButton(int slot) { return kSlotButtons[IndexOf(slot)]; }

Effects CaptureColor(PickerState& state) {
    state.m_crHistory5 = state.m_crHistory4;
    state.m_crHistory4 = state.m_crHistory3;
    state.m_crHistory3 = state.m_crHistory2;
    state.m_crHistory2 = state.m_crHistory1;
    state.m_crHistory1 = state.m_crCurrent;

    Effects effects;
    if (state.m_nCaptured < kHistorySlots) {
        ++state.m_nCaptured;
        effects.push_back(EnableControl{SlotButton(state.m_nCaptured), true});
    }
    PaintSwatches swatches{};
    for (int slot = 1; slot <= kHistorySlots; ++slot) {
        swatches.colours[IndexOf(slot)] = SlotColour(state, slot);
    }
    effects.push_back(swatches);
    Append(effects, AnnounceCapture(state));
    return effects;
}

Effects ShowSlotValue(const PickerState& state, COLORREF value) {
    Effects effects{EnableControl{Control::Copy, true}};
    if (auto text = FormatColor(value, state.m_nFormat)) effects.push_back(SetValueText{*text});
    return effects;
}

Effects OnSlot(const PickerState& state, int slot) { return ShowSlotValue(state, SlotColour(state, slot)); }

Effects OnCopy(PickerState& state, std::string_view shown) {
    Effects effects{SelectAllValueText{}, ScrollValueCaret{}, CopyValueSelection{}};
    Append(effects, AnnounceCopy(state, shown));
    return effects;
}

Effects HistoryStartUp(PickerState& state) {
    state.m_nCaptured = 0;
    Effects effects{EnableControl{Control::Copy, false}};
    for (Control button : kSlotButtons) effects.push_back(EnableControl{button, false});
    return effects;
}

}  // namespace huevane
