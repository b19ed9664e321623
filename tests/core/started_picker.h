// A picker state as the main window leaves it after its initialisation, and
// the platform's reports of why it cannot be seen.
#pragma once

#include "picker_state.h"
#include "sampling.h"
#include "start_up.h"

namespace huevane {

inline PickerState StartedPicker() {
    PickerState state;
    InitialiseDialog(state);
    state.m_screenCheck.reading = ScreenReading::Readable;  // as a check that read its probe back leaves it
    return state;
}

// The session as the platform gives it where the query of its state is
// refused: the console's, session 1.
inline const SessionReading kNothingRead{.state = std::nullopt, .ownSession = 1, .consoleSession = 1};

// Reports reason `reason` not to be seen (0 minimised, 1 the session locked,
// 2 disconnected, 3 the display off) as holding or not, as the platform
// does; `other` takes its other way (remotely, the display on, not dimmed).
inline Effects ReportUnseen(PickerState& state, int reason, bool holds, bool other = false) {
    const auto notice = [&](std::uint64_t code) { return OnSessionChange(state, code, 1, kNothingRead); };
    const std::uint32_t display = holds ? kDisplayOff : other ? kDisplayOn : kDisplayDimmed;
    switch (reason) {
        case 0: return OnMinimisedChanged(state, holds);
        case 1: return notice(holds ? kSessionLock : kSessionUnlock);
        case 2:
            return notice(holds ? (other ? kRemoteDisconnect : kConsoleDisconnect)
                                : (other ? kRemoteConnect : kConsoleConnect));
        default:
            return OnDisplayChange(state, display, other ? DisplayOf::ConsoleMonitor : DisplayOf::Session,
                                   kNothingRead);
    }
}

}  // namespace huevane
