#include "sampling.h"

#include "capture_history.h"
#include "picker_state.h"
#include "readout_format.h"

namespace huevane {

namespace {

bool OnScreens(Point pointer, const Rect& screens) {
    return Intersection(Rect{pointer.x, pointer.y, 1, 1}, screens).has_value();
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
    SampleDrawing drawing{
        .liveText = std::nullopt, .previewColour = std::nullopt, .drawZoom = state.m_bZoom != 0};
    if (pixel == kInvalidColour) return drawing;
    state.m_crCurrent = pixel;
    drawing.liveText = FormatColor(pixel, state.m_nFormat);
    drawing.previewColour = pixel;
    return drawing;
}

Effects OnMinimisedChanged(PickerState& state, bool minimised) {
    if (state.m_bMinimised == minimised) return {};
    state.m_bMinimised = minimised;
    if (state.m_bSampling == 0) return {};
    if (minimised) return {StopSampleTimer{}};
    return {StartSampleTimer{}};
}

bool TickReads(const PickerState& state) { return !state.m_bMinimised; }

std::optional<Point> PlanCaptureRead(std::optional<Point> pointer, const Rect& screens) {
    if (!pointer || !OnScreens(*pointer, screens)) return std::nullopt;
    return pointer;
}

Effects OnCaptureRead(PickerState& state, COLORREF pixel) {
    OnSample(state, pixel);
    return CaptureColor(state);
}

}  // namespace huevane
