// Capture history: the last five captured colours, newest first, the numbered
// buttons that show them and the Copy button.
#pragma once

#include <string_view>

#include "colorref.h"
#include "effects.h"

namespace huevane {

struct PickerState;

inline constexpr int kHistorySlots = 5;

// The colour held by slot 1 (newest) to 5 (oldest).
COLORREF SlotColour(const PickerState& state, int slot);

// The numbered button of slot 1 to 5.
Control SlotButton(int slot);

// Pushes the current colour into slot 1 and moves the others along, enables
// the button whose number is the new count (none once the history was full)
// and repaints the swatches; the slots' new names and the colour captured are
// told.
Effects CaptureColor(PickerState& state);

// Enables Copy and writes the value's text, in the format in force, into the
// edit box; with no text for the format the box keeps its text.
Effects ShowSlotValue(const PickerState& state, COLORREF value);

// A numbered button: its slot as it is at the moment of the click.
Effects OnSlot(const PickerState& state, int slot);

// Copy: the edit box's whole text, `shown`, to the clipboard, and what was
// copied announced.
Effects OnCopy(PickerState& state, std::string_view shown);

// Start-up: no captures; Copy and the five numbered buttons disabled.
Effects HistoryStartUp(PickerState& state);

}  // namespace huevane
