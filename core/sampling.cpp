#include "sampling.h"

#include "picker_state.h"
#include "readout_format.h"

namespace huevane {

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
