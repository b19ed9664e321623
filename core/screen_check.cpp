#include "screen_check.h"

#include <algorithm>

#include "picker_state.h"

namespace huevane {

namespace {

Effects EndCheck(ScreenCheck& check, bool recheck) {
    check.probePainted = false;
    check.reads.clear();
    if (recheck) return {EraseProbe{}, ArmScreenCheck{kRecheckMs}};
    return {EraseProbe{}, StopScreenCheck{}};
}

}  // namespace

ProbeVerdict JudgeProbe(const std::vector<std::optional<ProbePixels>>& reads) {
    const auto offScreens = [](const ProbePixels& read) {
        return std::ranges::find(read, kInvalidColour) != read.end();
    };
    for (const std::optional<ProbePixels>& read : reads) {
        if (!read || offScreens(*read)) return ProbeVerdict::NoVerdict;
    }
    if (reads.size() >= kAgreeingReads) {
        const auto last = reads.end() - static_cast<std::ptrdiff_t>(kAgreeingReads);
        if (std::all_of(last, reads.end(), [&](const auto& read) { return read == *last; })) {
            return **last == kProbeColours ? ProbeVerdict::Readable : ProbeVerdict::Unreadable;
        }
    }
    return reads.size() >= kMostProbeReads ? ProbeVerdict::NoVerdict : ProbeVerdict::ReadAgain;
}

Effects CheckScreen(PickerState& state) {
    state.m_screenCheck.probePainted = false;
    state.m_screenCheck.reads.clear();
    return {ArmScreenCheck{kProbeStepMs}};
}

Effects OnScreenCheckTimer(PickerState& state, const std::optional<ProbePixels>& read) {
    ScreenCheck& check = state.m_screenCheck;
    if (!check.probePainted) {
        // Unseen, it rests, and checks once it is seen again.
        if (state.m_unseen.Any()) {
            check.restedUnseen = true;
            return {StopScreenCheck{}};
        }
        check.probePainted = true;
        return {PaintProbe{}, ArmScreenCheck{kProbeStepMs}};
    }
    check.reads.push_back(read);
    switch (JudgeProbe(check.reads)) {
        case ProbeVerdict::ReadAgain: return {PaintProbe{}};
        case ProbeVerdict::NoVerdict: return EndCheck(check, check.reading != ScreenReading::Readable);
        case ProbeVerdict::Readable: check.reading = ScreenReading::Readable; return EndCheck(check, false);
        case ProbeVerdict::Unreadable: break;
    }
    Effects effects = EndCheck(check, true);
    if (check.reading != ScreenReading::Unreadable) effects.push_back(ShowNothingRead{});
    check.reading = ScreenReading::Unreadable;
    if (!check.toldUnreadable) effects.push_back(TellScreenUnreadable{});
    check.toldUnreadable = true;
    return effects;
}

bool ShowsReads(const PickerState& state) { return state.m_screenCheck.reading == ScreenReading::Readable; }

bool StoresReads(const PickerState& state) {
    return state.m_screenCheck.reading != ScreenReading::Unreadable;
}

std::string ScreenUnreadableText(bool wineOnWayland) {
    std::string text = "Huevane cannot read the screen on this desktop. Colours are not shown.";
    if (wineOnWayland) {
        text +=
            "\n\nUnder Wine on a Wayland desktop, Windows programs see no other window. To pick colours, "
            "log in to an X11 session (for example \"GNOME on Xorg\" at the log-in screen).";
    }
    return text;
}

}  // namespace huevane
