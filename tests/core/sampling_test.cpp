#include "sampling.h"

#include <gtest/gtest.h>

#include "capture_history.h"
#include "readout_format.h"
#include "started_picker.h"
#include "view_options.h"

namespace huevane {
namespace {

TEST(Sampling, AReadablePixelBecomesTheCurrentColourTextAndPreview) {
    PickerState state = StartedPicker();
    const SampleDrawing drawing = OnSample(state, 0x000000FF);
    EXPECT_EQ(state.m_crCurrent, 0x000000FFu);
    EXPECT_EQ(drawing.liveText, "255, 0, 0");
    EXPECT_EQ(drawing.previewColour, 0x000000FFu);
    EXPECT_TRUE(drawing.drawZoom);
}

TEST(Sampling, AnUnreadablePixelChangesNothingAndCannotBeCaptured) {
    PickerState state = StartedPicker();
    OnSample(state, 0x00123456);
    const SampleDrawing drawing = OnSample(state, kInvalidColour);
    EXPECT_EQ(state.m_crCurrent, 0x00123456u);
    EXPECT_EQ(drawing.liveText, std::nullopt);
    EXPECT_EQ(drawing.previewColour, std::nullopt);
    EXPECT_TRUE(drawing.drawZoom) << "the zoom view still follows the pointer";
    CaptureColor(state);
    EXPECT_EQ(state.m_crHistory1, 0x00123456u);
}

TEST(Sampling, WithNoFormatTheColourIsStoredButNoTextWritten) {
    PickerState state = StartedPicker();
    OnSelchangeFormat(state, -1);
    const SampleDrawing drawing = OnSample(state, 0x00ABCDEF);
    EXPECT_EQ(state.m_crCurrent, 0x00ABCDEFu);
    EXPECT_EQ(drawing.liveText, std::nullopt);
    EXPECT_EQ(drawing.previewColour, 0x00ABCDEFu);
}

TEST(Sampling, ZoomOffDrawsNoZoomView) {
    PickerState state = StartedPicker();
    OnOptionsZoom(state);
    EXPECT_FALSE(OnSample(state, 0).drawZoom);
}

}  // namespace
}  // namespace huevane
