#include "shown_views.h"

#include <gtest/gtest.h>

namespace huevane {
namespace {

// A tick of a still scene after another: the preview colour and the zoom
// view as the last tick left them.
SampleDrawing Tick(COLORREF colour) {
    return SampleDrawing{.liveText = std::nullopt, .previewColour = colour, .drawZoom = true};
}

constexpr ZoomSample kStill{{100, 200}, 20, true};

TEST(ShownViews, AStillSceneIsDrawnOnceUntilItChanges) {
    ShownViews shown;
    SampleDrawing first = Tick(0x123456);
    shown.KeepOnlyWhatIsNotShown(first, ZoomSample{{100, 200}, 20, false});
    EXPECT_EQ(first.previewColour, 0x123456u);
    EXPECT_TRUE(first.drawZoom);

    SampleDrawing still = Tick(0x123456);
    shown.KeepOnlyWhatIsNotShown(still, kStill);
    EXPECT_EQ(still.previewColour, std::nullopt);
    EXPECT_FALSE(still.drawZoom);

    // Each change alone brings back what it changes.
    const struct {
        const char* why;
        COLORREF colour;
        ZoomSample zoom;
        bool preview;
        bool drawZoom;
    } rows[] = {
        {"another colour under a still pointer", 0x654321, kStill, true, false},
        {"the screen changed round the pointer", 0x654321, {{100, 200}, 20, false}, false, true},
        {"the pointer moved", 0x654321, {{101, 200}, 20, true}, false, true},
        {"another scale", 0x654321, {{101, 200}, 40, true}, false, true},
        {"nothing", 0x654321, {{101, 200}, 40, true}, false, false},
    };
    for (const auto& row : rows) {
        SampleDrawing drawing = Tick(row.colour);
        shown.KeepOnlyWhatIsNotShown(drawing, row.zoom);
        EXPECT_EQ(drawing.previewColour.has_value(), row.preview) << row.why;
        EXPECT_EQ(drawing.drawZoom, row.drawZoom) << row.why;
    }
}

TEST(ShownViews, ARepaintedViewIsDrawnAgainAtTheNextTick) {
    ShownViews shown;
    SampleDrawing drawing = Tick(0x123456);
    shown.KeepOnlyWhatIsNotShown(drawing, kStill);

    shown.Repainted(View::Zoom);
    drawing = Tick(0x123456);
    shown.KeepOnlyWhatIsNotShown(drawing, kStill);
    EXPECT_EQ(drawing.previewColour, std::nullopt);
    EXPECT_TRUE(drawing.drawZoom);

    shown.Repainted(View::Preview);
    drawing = Tick(0x123456);
    shown.KeepOnlyWhatIsNotShown(drawing, kStill);
    EXPECT_EQ(drawing.previewColour, 0x123456u);
    EXPECT_FALSE(drawing.drawZoom);
}

TEST(ShownViews, ZoomOffOrAnUnreadSquareIsNeverTakenAsShown) {
    ShownViews shown;
    SampleDrawing drawing = Tick(0x123456);
    shown.KeepOnlyWhatIsNotShown(drawing, kStill);

    SampleDrawing off = Tick(0x123456);
    off.drawZoom = false;
    shown.KeepOnlyWhatIsNotShown(off, std::nullopt);
    EXPECT_FALSE(off.drawZoom);

    // Zoom on again over the same still screen: the view is drawn anew.
    drawing = Tick(0x123456);
    shown.KeepOnlyWhatIsNotShown(drawing, kStill);
    EXPECT_TRUE(drawing.drawZoom);

    // A square that could not be read: the cross-hair is drawn each tick.
    for (int tick = 0; tick < 2; ++tick) {
        drawing = Tick(0x123456);
        shown.KeepOnlyWhatIsNotShown(drawing, std::nullopt);
        EXPECT_TRUE(drawing.drawZoom) << "tick " << tick;
    }
}

TEST(ShownViews, AnUnreadablePixelDrawsNoPreviewAndForgetsNothing) {
    ShownViews shown;
    SampleDrawing drawing = Tick(0x123456);
    shown.KeepOnlyWhatIsNotShown(drawing, kStill);
    SampleDrawing unreadable = Tick(0);
    unreadable.previewColour.reset();
    shown.KeepOnlyWhatIsNotShown(unreadable, kStill);
    EXPECT_EQ(unreadable.previewColour, std::nullopt);
    drawing = Tick(0x123456);
    shown.KeepOnlyWhatIsNotShown(drawing, kStill);
    EXPECT_EQ(drawing.previewColour, std::nullopt) << "the preview still shows 0x123456";
}

}  // namespace
}  // namespace huevane
