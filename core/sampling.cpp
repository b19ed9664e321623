#include "sampling.h"

#include "picker_state.h"
#include "readout_format.h"

namespace huevane {

std::optional<ScreenRead> PlanScreenRead(const PickerState& state, std::optional<Point> read,
                                         const Rect& screens) {
    if (!read) return std::nullopt;
    const Point pointer = *read;
    const bool onScreens = Intersection(Rect{pointer.x, pointer.y, 1, 1}, screens).has_value();
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

}  // namespace huevane
