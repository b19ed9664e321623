#include "icon_origin.h"

#include <gtest/gtest.h>

namespace huevane {
namespace {

TEST(MinimisedIcon, IsCentredWithDivisionsTruncatingTowardZero) {
    EXPECT_EQ(MinimisedIconOrigin(36, 36, 32, 32), (Point{2, 2}));
    EXPECT_EQ(MinimisedIconOrigin(30, 30, 32, 32), (Point{0, 0}));  // -1 / 2 is 0, not -1
    EXPECT_EQ(MinimisedIconOrigin(29, 29, 32, 32), (Point{-1, -1}));
    EXPECT_EQ(MinimisedIconOrigin(37, 20, 32, 16), (Point{3, 2}));
}

}  // namespace
}  // namespace huevane
