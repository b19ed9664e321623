// The owning wrappers: each owns exactly one handle, moving hands it on,
// whatever it held before is released once, and a selection into a device
// context is undone at its scope's end.
#include <gtest/gtest.h>

#include <utility>

#include "platform.h"

namespace {

// Moves, a move onto itself and the end of the last owner, for any owner;
// `alive` tells whether a handle is still the platform's.
template <class Owner, class Handle, class Get>
void ExpectOwnsExactlyOne(Handle first, Handle second, Get get, bool (*alive)(Handle)) {
    Owner a;
    a.Attach(first);
    Owner b;
    b.Attach(second);

    b = std::move(a);
    EXPECT_EQ(get(b), first);
    EXPECT_EQ(get(a), nullptr);
    EXPECT_FALSE(alive(second)) << "the handle replaced is released";
    EXPECT_TRUE(alive(first));

    Owner& same = b;
    b = std::move(same);
    EXPECT_EQ(get(b), first);
    EXPECT_TRUE(alive(first)) << "a move onto itself keeps the handle";

    {
        Owner c(std::move(b));
        EXPECT_EQ(get(b), nullptr);
        EXPECT_EQ(get(c), first);
    }
    EXPECT_FALSE(alive(first)) << "the last owner releases it";
}

TEST(Owners, AMenuIsDestroyedOnceByItsLastOwner) {
    ExpectOwnsExactlyOne<CMenu>(
        ::CreateMenu(), ::CreateMenu(), [](const CMenu& menu) { return menu.GetSafeHmenu(); },
        +[](HMENU menu) { return ::IsMenu(menu) != FALSE; });
}

TEST(Owners, APenIsDeletedOnceByItsLastOwner) {
    ExpectOwnsExactlyOne<CPen>(
        ::CreatePen(PS_SOLID, 1, RGB(255, 0, 0)), ::CreatePen(PS_SOLID, 1, RGB(0, 0, 255)),
        [](const CPen& pen) { return pen.GetSafeHandle(); },
        +[](HPEN pen) { return ::GetObjectType(pen) == static_cast<DWORD>(OBJ_PEN); });
}

TEST(Owners, DeleteObjectLeavesNothingToDeleteTwice) {
    CBrush brush;
    brush.Attach(::CreateSolidBrush(RGB(1, 2, 3)));
    const HBRUSH held = brush.GetSafeHandle();
    brush.DeleteObject();
    EXPECT_EQ(brush.GetSafeHandle(), nullptr);
    EXPECT_EQ(::GetObjectType(held), 0u);
    brush.DeleteObject();
}

TEST(Owners, ASelectionIsUndoneAtTheEndOfItsScope) {
    HDC dc = ::CreateCompatibleDC(nullptr);
    ASSERT_NE(dc, nullptr);
    const HGDIOBJ before = ::GetCurrentObject(dc, OBJ_PEN);
    CPen pen;
    pen.Attach(::CreatePen(PS_SOLID, 1, RGB(255, 0, 0)));
    {
        CSelectObject selected(dc, pen);
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_PEN), pen.GetSafeHandle());
    }
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_PEN), before) << "the pen before is selected back";
    pen.DeleteObject();
    EXPECT_EQ(::GetObjectType(::GetCurrentObject(dc, OBJ_PEN)), static_cast<DWORD>(OBJ_PEN));
    ::DeleteDC(dc);
}

}  // namespace
