#include "box_placement.h"

#include <gtest/gtest.h>

namespace huevane {
namespace {

// A work area of 1000 by 700 from (0, 0) and a box of 300 by 200.
constexpr Rect kWork{0, 0, 1000, 700};
constexpr std::int32_t kWidth = 300;
constexpr std::int32_t kHeight = 200;

TEST(BoxPlacement, CentredOverTheOwnerThenKeptWhollyInTheWorkArea) {
    const struct {
        const char* why;
        Rect owner;
        Point expected;
    } rows[] = {
        {"in the middle: centred", {400, 250, 200, 200}, {350, 250}},
        {"half past the left edge", {-100, 250, 200, 200}, {0, 250}},
        {"half past the right edge", {900, 250, 200, 200}, {700, 250}},
        {"half past the top edge", {400, -100, 200, 200}, {350, 0}},
        {"half past the bottom edge", {400, 600, 200, 200}, {350, 500}},
        {"past the top left corner", {-100, -100, 200, 200}, {0, 0}},
        {"past the bottom right corner", {900, 600, 200, 200}, {700, 500}},
        {"an owner smaller than the box, at the edge", {0, 0, 20, 20}, {0, 0}},
        // Half of an odd difference truncated toward zero: -101 / 2 is -50.
        {"odd sizes", {401, 251, 199, 199}, {351, 251}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(CentredOver(row.owner, kWidth, kHeight, kWork), row.expected) << row.why;
    }
}

TEST(BoxPlacement, ABoxLargerThanTheWorkAreaKeepsItsTopLeftCornerOnIt) {
    EXPECT_EQ(KeptWithin(Rect{300, 200, 1200, 900}, kWork), (Point{0, 0}));
    EXPECT_EQ(KeptWithin(Rect{-50, -80, 1200, 900}, kWork), (Point{0, 0}));
    EXPECT_EQ(KeptWithin(Rect{-50, 300, 1200, 100}, kWork), (Point{0, 300})) << "only as wide as needed";
}

// A monitor left of the primary one: its work area's coordinates are
// negative.
TEST(BoxPlacement, OnAMonitorAtNegativeCoordinates) {
    constexpr Rect left{-800, 0, 800, 600};
    EXPECT_EQ(KeptWithin(Rect{-100, 100, kWidth, kHeight}, left), (Point{-300, 100}));
    EXPECT_EQ(KeptWithin(Rect{-900, -20, kWidth, kHeight}, left), (Point{-800, 0}));
    EXPECT_EQ(CentredOver(Rect{-850, 450, 200, 200}, kWidth, kHeight, left), (Point{-800, 400}));
    EXPECT_EQ(KeptWithin(Rect{-700, 100, kWidth, kHeight}, left), (Point{-700, 100})) << "already inside";
}

}  // namespace
}  // namespace huevane
