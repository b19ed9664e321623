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
    EXPECT_EQ(Intersection(square, Rect{0, 0, 1, 1}), (Rect{0, 0, 1, 1}));
    OnOptionsZoom(state);
    EXPECT_EQ(ZoomSourceSquare(state, {5, 5}), std::nullopt);
}

// Near an edge only the part of the square on the screens is read; the
// screens may start at negative coordinates (a monitor left of the primary).
TEST(Sampling, TheSquaresPartOnTheScreensIsWhatOverlaps) {
    const Rect screens{-640, 0, 1920, 1024};
    const struct {
        Rect square;
        std::optional<Rect> onScreens;
    } rows[] = {
        {{100, 100, 20, 20}, Rect{100, 100, 20, 20}},      // wholly inside
        {{-649, -9, 20, 20}, Rect{-640, 0, 11, 11}},       // top-left corner
        {{1270, 1014, 20, 20}, Rect{1270, 1014, 10, 10}},  // bottom-right corner
        {{-10, 500, 20, 20}, Rect{-10, 500, 20, 20}},      // across the seam at x = 0
        {{-660, 0, 20, 20}, std::nullopt},                 // just off the left edge
        {{1280, 0, 20, 20}, std::nullopt},                 // just off the right edge
        {{0, 1024, 10, 10}, std::nullopt},                 // just below
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Intersection(row.square, screens), row.onScreens)
            << "square at " << row.square.left << ", " << row.square.top;
    }
    // Coordinates near the integer limits do not overflow.
    EXPECT_EQ(Intersection(Rect{2147483600, 0, 40, 40}, screens), std::nullopt);
}

}  // namespace
}  // namespace huevane
