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

TEST(Sampling, ReadsTheZoomSquareWithThePointersPixelInsideOnlyWhileZoomIsOn) {
    PickerState state = StartedPicker();
    EXPECT_EQ(ZoomSourceSquare(state, {100, 200}), (Rect{91, 191, 20, 20}));
    OnScale2x(state);
    const Rect square = *ZoomSourceSquare(state, {0, 0});
    EXPECT_EQ(square, (Rect{-19, -19, 40, 40}));
    EXPECT_TRUE(Contains(square, Rect{0, 0, 1, 1}));
    OnOptionsZoom(state);
    EXPECT_EQ(ZoomSourceSquare(state, {5, 5}), std::nullopt);
}

TEST(Sampling, SquaresAtTheScreensEdgeAreNotWithinIt) {
    const Rect screen{0, 0, 1280, 1024};
    EXPECT_TRUE(Contains(screen, Rect{0, 0, 20, 20}));
    EXPECT_TRUE(Contains(screen, Rect{1260, 1004, 20, 20}));
    EXPECT_FALSE(Contains(screen, Rect{-1, 0, 20, 20}));
    EXPECT_FALSE(Contains(screen, Rect{1261, 0, 20, 20}));
    EXPECT_FALSE(Contains(screen, Rect{0, 1005, 20, 20}));
}

}  // namespace
}  // namespace huevane
