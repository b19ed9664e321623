// The main window's initialisation of the picker state, from the switches to
// the disabled buttons, as one ordered list of effects.
#pragma once

#include "effects.h"

namespace huevane {

struct PickerState;

// Switches and marks, sampling started, the hot key, the format list, the
// scale preset and capture count, then Copy and the numbered buttons disabled.
Effects InitialiseDialog(PickerState& state);

}  // namespace huevane
