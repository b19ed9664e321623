// The main window's initialisation of the picker state, from the switches to
// the disabled buttons, and its end, each as one ordered list of effects.
#pragma once

#include "effects.h"

namespace huevane {

struct PickerState;

// Switches and marks, sampling started, the hot key, the format list, the
// scale preset and capture count, then Copy and the numbered buttons disabled.
Effects InitialiseDialog(PickerState& state);

// As the window goes: sampling stopped, the menu bar destroyed, the hot key
// released, so that another program can take it.
Effects CloseDialog();

}  // namespace huevane
