#include "sampling.h"

#include "picker_state.h"
#include "readout_format.h"

namespace huevane {

std::optional<Rect> ZoomSourceSquare(const PickerState& state, Point pointer) {
    if (state.m_bZoom == 0) return std::nullopt;
    return Rect{pointer.x - state.m_nZoomOffset, pointer.y - state.m_nZoomOffset, state.m_nZoomSize,
                state.m_nZoomSize};
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
