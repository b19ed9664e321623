#include "accessible_names.h"

#include "capture_history.h"
#include "picker_state.h"
#include "readout_format.h"

namespace huevane {

namespace {

// A colour's text in the format in force; with no format selected, none.
std::string ColourText(const PickerState& state, COLORREF colour) {
    return FormatColor(colour, state.m_nFormat).value_or("");
}

}  // namespace

std::string SlotName(const PickerState& state, int slot) {
    std::string name = "Colour " + std::to_string(slot);
    if (slot > state.m_nCaptured) return name + ": empty";
    const std::string text = ColourText(state, SlotColour(state, slot));
    return text.empty() ? name : name + ": " + text;
}

AccessibleDescription Describe(const PickerState& state, NamedControl control, int slot) {
    using enum NamedControl;
    using enum AccessibleRole;
    switch (control) {
        case FormatList: return {"Readout format", ComboBox, false};
        case CaptureHotKey: return {"Capture hot key", HotKeyField, false};
        case UseHotKey: return {"Use this hot key", PushButton, false};
        case ValueEdit: return {"Value to copy", EditableText, true};
        case Preview: return {"Colour under the pointer", Graphic, false};
        case ZoomView: return {"Zoomed view around the pointer", Graphic, false};
        case LiveValue: return {"Colour", StaticText, true};
        case Position: return {"Pointer position", StaticText, true};
        case Swatch: return {SlotName(state, slot), Graphic, false};
        case SlotButton: return {SlotName(state, slot), PushButton, false};
        // Renamed by each Copy until the focus leaves it: a reader tells the
        // focused button's new name where the system has no announcements.
        case CopyButton:
            return {state.m_sLastCopied.empty() ? "Copy" : "Copy, copied " + state.m_sLastCopied, PushButton,
                    false};
    }
    return {"", StaticText, false};
}

Effects AnnounceCapture(const PickerState& state) {
    const std::string text = ColourText(state, state.m_crHistory1);
    return {SlotNamesChanged{}, Announce{text.empty() ? "Captured" : "Captured " + text}};
}

Effects AnnounceCopy(PickerState& state, std::string_view copied) {
    if (copied.empty()) return {Announce{"Nothing to copy"}};
    state.m_sLastCopied = copied;
    return {CopyNameChanged{}, Announce{"Copied " + std::string(copied)}};
}

Effects OnFocusLeft(PickerState& state, NamedControl control) {
    if (control != NamedControl::CopyButton || state.m_sLastCopied.empty()) return {};
    state.m_sLastCopied.clear();
    return {CopyNameChanged{}};
}

}  // namespace huevane
