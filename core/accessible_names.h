// What the picker tells assistive technology: each control's name and role,
// and the texts announced when the user captures or copies a colour.
#pragma once

#include <string>
#include <string_view>

#include "effects.h"

namespace huevane {

struct PickerState;

// The controls that are named for assistive technology, beyond those whose
// own text already says what they are. A swatch and a numbered button hold a
// slot as well.
enum class NamedControl {
    FormatList,
    CaptureHotKey,
    UseHotKey,
    ValueEdit,
    Preview,
    ZoomView,
    LiveValue,
    Position,
    Swatch,
    SlotButton,
    CopyButton
};

// The roles that the system gives its own controls, and the picture role of
// the views that show colours.
enum class AccessibleRole { PushButton, ComboBox, EditableText, HotKeyField, StaticText, Graphic };

struct AccessibleDescription {
    std::string name;
    AccessibleRole role;
    // Whether the control's value is the text it shows: the readouts and the
    // edit box.
    bool valueIsShownText;
    bool operator==(const AccessibleDescription&) const = default;
};

// A control's description as the picker is now; `slot` (1 to 5) for a swatch
// or a numbered button.
AccessibleDescription Describe(const PickerState& state, NamedControl control, int slot = 0);

// "Colour 1: 236, 233, 216" in the format in force, or "Colour 1: empty"
// before that slot has held a capture.
std::string SlotName(const PickerState& state, int slot);

// What a capture tells: the slots' new names, and the colour captured in the
// format in force ("Captured 236, 233, 216").
Effects AnnounceCapture(const PickerState& state);

// What a Copy tells, given the edit box's text as it was copied: the Copy
// button's new name, and the announcement.
Effects AnnounceCopy(PickerState& state, std::string_view copied);

// The focus has left `control`. A name that told what the control had just
// done goes back to what the control is, so that a reader who comes back to
// it later hears no stale copy.
Effects OnFocusLeft(PickerState& state, NamedControl control);

}  // namespace huevane
