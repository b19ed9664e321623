// CMenu owns exactly one menu: moving hands it on, and whatever it held
// before is destroyed once.
#include <gtest/gtest.h>

#include <utility>

#include "platform.h"

namespace {

TEST(MenuOwner, MovingHandsTheMenuOnAndDestroysTheOneReplaced) {
    HMENU first = ::CreateMenu();
    HMENU second = ::CreateMenu();
    CMenu a;
    a.Attach(first);
    CMenu b;
    b.Attach(second);

    b = std::move(a);
    EXPECT_EQ(b.GetSafeHmenu(), first);
    EXPECT_EQ(a.GetSafeHmenu(), nullptr);
    EXPECT_FALSE(::IsMenu(second));
    EXPECT_TRUE(::IsMenu(first));

    CMenu& same = b;
    b = std::move(same);
    EXPECT_EQ(b.GetSafeHmenu(), first);
    EXPECT_TRUE(::IsMenu(first));

    {
        CMenu c(std::move(b));
        EXPECT_EQ(b.GetSafeHmenu(), nullptr);
        EXPECT_EQ(c.GetSafeHmenu(), first);
    }
    EXPECT_FALSE(::IsMenu(first));
}

}  // namespace
