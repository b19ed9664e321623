// A picker state as the main window leaves it after its initialisation.
#pragma once

#include "picker_state.h"
#include "start_up.h"

namespace huevane {

inline PickerState StartedPicker() {
    PickerState state;
    InitialiseDialog(state);
    return state;
}

}  // namespace huevane
