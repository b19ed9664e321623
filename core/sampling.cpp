#include "sampling.h"

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
// becomes seen, and killed only as it stops being seen.
Effects ReportUnseen(PickerState& state, bool& reason, bool holds) {
    const bool wasSeen = !state.m_unseen.Any();
    reason = holds;
    const bool seen = !state.m_unseen.Any();
    if (state.m_bSampling == 0 || seen == wasSeen) return {};
    if (seen) return {StartSampleTimer{}};
    return {StopSampleTimer{}};
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

Effects OnSessionChange(PickerState& state, std::uint64_t code) {
    switch (code) {
        case kSessionLock:
        case kSessionUnlock: return ReportUnseen(state, state.m_unseen.sessionLocked, code == kSessionLock);
        case kConsoleDisconnect:
        case kRemoteDisconnect: return ReportUnseen(state, state.m_unseen.sessionDisconnected, true);
        case kConsoleConnect:
        case kRemoteConnect: return ReportUnseen(state, state.m_unseen.sessionDisconnected, false);
        default: return {};
    }
}

Effects OnDisplayChange(PickerState& state, std::uint32_t display) {
    if (display != kDisplayOff && display != kDisplayOn && display != kDisplayDimmed) return {};
    return ReportUnseen(state, state.m_unseen.displayOff, display == kDisplayOff);
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
