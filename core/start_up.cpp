#include "start_up.h"

#include "capture_history.h"
#include "hot_key_binding.h"
#include "readout_format.h"
#include "view_options.h"

namespace huevane {

Effects InitialiseDialog(PickerState& state) {
    Effects effects = ViewOptionsStartUp(state);
    Append(effects, HotKeySetUp(state));
    Append(effects, FormatListStartUp(state));
    ScalePresetStartUp(state);
    Append(effects, HistoryStartUp(state));
    return effects;
}

Effects CloseDialog() { return {StopSampleTimer{}, DestroyMenuBar{}, ReleaseHotKey{}}; }

}  // namespace huevane
