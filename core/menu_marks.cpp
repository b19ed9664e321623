#include "menu_marks.h"

#include "picker_state.h"

namespace huevane {

void ToggleMenuCheck(PickerState& state, MenuItem item, Effects& effects) {
    state.m_marks.Toggle(item);
    effects.push_back(ToggleMenuMark{item});
}

}  // namespace huevane
