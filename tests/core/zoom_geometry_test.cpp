#include "zoom_geometry.h"

#include <gtest/gtest.h>

namespace huevane {
namespace {

TEST(ZoomGeometry, WorkedExampleAt4x) {
    const ZoomGeometry g = ComputeZoomGeometry({100, 200}, 9, 20, 0, 0, 82, 80);
    EXPECT_EQ(g.source, (Rect{91, 191, 20, 20}));
    EXPECT_EQ(g.destination, (Rect{1, 0, 80, 80}));
    // Over the rightmost column of the pointer's 4 by 4 block (columns 37-40).
    EXPECT_EQ(g.vertical, (Segment{{40, 0}, {40, 80}}));
    // Along the row just below that block (rows 36-39).
    EXPECT_EQ(g.horizontal, (Segment{{1, 40}, {81, 40}}));
}

TEST(ZoomGeometry, OddSizedViewTruncatesTheHalves) {
    const ZoomGeometry g = ComputeZoomGeometry({5, 5}, 19, 40, 0, 0, 85, 83);
    EXPECT_EQ(g.destination, (Rect{1, 0, 83, 83}));
    EXPECT_EQ(g.vertical, (Segment{{41, 0}, {41, 83}}));
    EXPECT_EQ(g.horizontal, (Segment{{1, 41}, {84, 41}}));
}

TEST(ZoomGeometry, SourceIsNotClampedToTheScreen) {
    EXPECT_EQ(ComputeZoomGeometry({0, 0}, 9, 20, 0, 0, 82, 80).source, (Rect{-9, -9, 20, 20}));
    EXPECT_EQ(ComputeZoomGeometry({-1280, 3}, 4, 10, 0, 0, 82, 80).source, (Rect{-1284, -1, 10, 10}));
}

TEST(ZoomGeometry, HalvesTruncateTowardZeroOnACollapsedView) {
    // Width 1 leaves a destination of width -1, whose half is 0, not -1.
    const ZoomGeometry g = ComputeZoomGeometry({0, 0}, 9, 20, 0, 0, 1, 0);
    EXPECT_EQ(g.destination, (Rect{1, 0, -1, 0}));
    EXPECT_EQ(g.vertical, (Segment{{0, 0}, {0, 0}}));
}

}  // namespace
}  // namespace huevane
