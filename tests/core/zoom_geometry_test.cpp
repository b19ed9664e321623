#include "zoom_geometry.h"

#include <gtest/gtest.h>

#include "view_options.h"

namespace huevane {
namespace {

TEST(ZoomGeometry, WorkedExampleAt4x) {
    const ZoomGeometry g = ComputeZoomGeometry({100, 200}, kScale4x.offset, kScale4x.size, 0, 0, 82, 80);
    EXPECT_EQ(g.source, (Rect{91, 191, 20, 20}));
    EXPECT_EQ(g.destination, (Rect{1, 0, 80, 80}));
    // Over the rightmost column of the pointer's 4 by 4 block (columns 37-40).
    EXPECT_EQ(g.vertical, (Segment{{40, 0}, {40, 80}}));
    // Along the row just below that block (rows 36-39).
    EXPECT_EQ(g.horizontal, (Segment{{1, 40}, {81, 40}}));
}

TEST(ZoomGeometry, OddSizedViewTruncatesTheHalves) {
    const ZoomGeometry g = ComputeZoomGeometry({5, 5}, kScale2x.offset, kScale2x.size, 0, 0, 85, 84);
    EXPECT_EQ(g.destination, (Rect{1, 0, 83, 84}));
    EXPECT_EQ(g.vertical, (Segment{{41, 0}, {41, 84}}));
    EXPECT_EQ(g.horizontal, (Segment{{1, 42}, {84, 42}}));
}

TEST(ZoomGeometry, SourceIsNotClampedToTheScreen) {
    EXPECT_EQ(ComputeZoomGeometry({0, 0}, kScale4x.offset, kScale4x.size, 0, 0, 82, 80).source,
              (Rect{-9, -9, 20, 20}));
    EXPECT_EQ(ComputeZoomGeometry({-1280, 3}, kScale8x.offset, kScale8x.size, 0, 0, 82, 80).source,
              (Rect{-1284, -1, 10, 10}));
}

TEST(ZoomGeometry, HalvesTruncateTowardZeroOnACollapsedView) {
    // Width 1 leaves a destination of width -1, whose half is 0, not -1.
    const ZoomGeometry g = ComputeZoomGeometry({0, 0}, kScale4x.offset, kScale4x.size, 0, 0, 1, 0);
    EXPECT_EQ(g.destination, (Rect{1, 0, -1, 0}));
    EXPECT_EQ(g.vertical, (Segment{{0, 0}, {0, 0}}));
}

}  // namespace
}  // namespace huevane
