#include "sampling.h"

#include <utility>

#include "capture_history.h"
#include "picker_state.h"
#include "readout_format.h"
#include "screen_check.h"

namespace huevane {

namespace {

bool OnScreens(Point pointer, const Rect& screens) {
    return Intersection(Rect{pointer.x, pointer.y, 1, 1}, screens).has_value();
}

// A timer armed anew delays the next tick: it is armed only as the window
// becomes seen, and killed only as it stops being seen. A screen check that
// rested while the window was unseen is taken up as it is seen again, by
// whichever reason ended last.
Effects TimerAfter(PickerState& state, bool wasSeen) {
    const bool seen = !state.m_unseen.Any();
    if (seen == wasSeen) return {};
    Effects effects;
    if (state.m_bSampling != 0) effects.push_back(seen ? Effect{StartSampleTimer{}} : StopSampleTimer{});
    if (seen && std::exchange(state.m_screenCheck.restedUnseen, false)) Append(effects, CheckScreen(state));
    return effects;
}

Effects ReportUnseen(PickerState& state, bool& reason, bool holds) {
    const bool wasSeen = !state.m_unseen.Any();
    reason = holds;
    return TimerAfter(state, wasSeen);
}

bool OnConsole(const SessionReading& reading) {
    return !reading.ownSession || *reading.ownSession == reading.consoleSession;
}

// Whether nobody is connected to the session, where its state tells: a user
// at it (active, connected, or shadowing another session) sees it; nobody
// does while it is disconnected, idle, listening, being reset or down. While
// it is connecting or initialising, it tells neither.
std::optional<bool> Disconnected(const SessionState& session) {
    switch (session.connectState) {
        case kSessionActive:
        case kSessionConnected:
        case kSessionShadow: return false;
        case kSessionDisconnected:
        case kSessionIdle:
        case kSessionListen:
        case kSessionReset:
        case kSessionDown: return true;
        default: return std::nullopt;
    }
}

// Whether the session is locked, where its flags tell: "WTS_SESSIONSTATE_UNKNOWN
// (0xFFFFFFFF): The session state is not known", as any other value.
std::optional<bool> Locked(const SessionState& session) {
    if (session.lockFlags != kSessionLockFlag && session.lockFlags != kSessionUnlockFlag) return std::nullopt;
    return (session.lockFlags == kSessionLockFlag) != session.lockFlagsReversed;
}

// What the reading tells, over what a notice hinted; a display off that the
// console's monitor told ends as the session leaves the console.
Effects Apply(PickerState& state, const SessionReading& reading, std::optional<bool> lockedHint,
              std::optional<bool> disconnectedHint) {
    const bool wasSeen = !state.m_unseen.Any();
    UnseenReasons& unseen = state.m_unseen;
    const std::optional<bool> locked = reading.state ? Locked(*reading.state) : std::nullopt;
    const std::optional<bool> disconnected = reading.state ? Disconnected(*reading.state) : std::nullopt;
    unseen.sessionLocked = locked.value_or(lockedHint.value_or(unseen.sessionLocked));
    unseen.sessionDisconnected = disconnected.value_or(disconnectedHint.value_or(unseen.sessionDisconnected));
    if (unseen.displayOffOnConsole && !OnConsole(reading))
        unseen.displayOff = unseen.displayOffOnConsole = false;
    return TimerAfter(state, wasSeen);
}

}  // namespace

std::optional<ScreenRead> PlanScreenRead(const PickerState& state, std::optional<Point> read,
                                         const Rect& screens) {
    if (!read) return std::nullopt;
    const Point pointer = *read;
    const bool onScreens = OnScreens(pointer, screens);
    if (state.m_bZoom == 0) {
        return ScreenRead{.square = std::nullopt,
                          .squareOnScreens = std::nullopt,
                          .colourFrom = onScreens ? ScreenRead::From::Screen : ScreenRead::From::Nowhere,
                          .colourAt = pointer};
    }
    const Rect square = ZoomSourceSquare(pointer, state.m_nZoomOffset, state.m_nZoomSize);
    return ScreenRead{.square = square,
                      .squareOnScreens = Intersection(square, screens),
                      .colourFrom = onScreens ? ScreenRead::From::Square : ScreenRead::From::Nowhere,
                      .colourAt = {state.m_nZoomOffset, state.m_nZoomOffset}};
}

SampleDrawing OnSample(PickerState& state, COLORREF pixel) {
    SampleDrawing drawing{.liveText = std::nullopt,
                          .previewColour = std::nullopt,
                          .drawZoom = state.m_bZoom != 0 && ShowsReads(state)};
    if (pixel == kInvalidColour || !StoresReads(state)) return drawing;
    state.m_crCurrent = pixel;
    if (!ShowsReads(state)) return drawing;
    drawing.liveText = FormatColor(pixel, state.m_nFormat);
    drawing.previewColour = pixel;
    return drawing;
}

Effects OnMinimisedChanged(PickerState& state, bool minimised) {
    return ReportUnseen(state, state.m_unseen.minimised, minimised);
}

Effects OnSessionRead(PickerState& state, const SessionReading& reading) {
    return Apply(state, reading, std::nullopt, std::nullopt);
}

Effects OnSessionChange(PickerState& state, std::uint64_t code, std::uint32_t session,
                        const SessionReading& reading) {
    if (reading.ownSession && session != *reading.ownSession) return {};
    switch (code) {
        case kSessionLock:
        case kSessionUnlock: return Apply(state, reading, code == kSessionLock, std::nullopt);
        case kConsoleDisconnect:
        case kRemoteDisconnect: return Apply(state, reading, std::nullopt, true);
        case kConsoleConnect:
        case kRemoteConnect: return Apply(state, reading, std::nullopt, false);
        default: return {};
    }
}

Effects OnDisplayChange(PickerState& state, std::uint32_t display, DisplayOf of,
                        const SessionReading& reading) {
    if (display != kDisplayOff && display != kDisplayOn && display != kDisplayDimmed) return {};
    if (of == DisplayOf::ConsoleMonitor && !OnConsole(reading)) return {};
    state.m_unseen.displayOffOnConsole = display == kDisplayOff && of == DisplayOf::ConsoleMonitor;
    return ReportUnseen(state, state.m_unseen.displayOff, display == kDisplayOff);
}

Effects OnTouched(PickerState& state, const SessionReading& reading) {
    if (reading.state) return OnSessionRead(state, reading);
    const bool wasSeen = !state.m_unseen.Any();
    state.m_unseen = UnseenReasons{.minimised = state.m_unseen.minimised};
    return TimerAfter(state, wasSeen);
}

bool TickReads(const PickerState& state) { return !state.m_unseen.Any(); }

std::optional<Point> PlanCaptureRead(std::optional<Point> pointer, const Rect& screens) {
    if (!pointer || !OnScreens(*pointer, screens)) return std::nullopt;
    return pointer;
}

Effects OnCaptureRead(PickerState& state, COLORREF pixel) {
    OnSample(state, pixel);
    return CaptureColor(state);
}

}  // namespace huevane
