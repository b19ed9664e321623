// The screens' bounds are asked for when the window opens and again when the
// display changes, and at no tick in between. The test stands in for a
// display change by answering the window's GetSystemMetrics itself, through
// this program's own import of it.
#include <gtest/gtest.h>

#include "picker_window.h"
#include "scene.h"
#include "windows_stand_ins.h"

namespace huevane_test {
namespace {

// Screens that end at x = 200: what lies right of it is on no screen.
int WINAPI NarrowScreens(int index) {
    switch (index) {
        case SM_XVIRTUALSCREEN:
        case SM_YVIRTUALSCREEN: return 0;
        case SM_CXVIRTUALSCREEN: return 200;
        case SM_CYVIRTUALSCREEN: return 1024;
        default: return ::GetSystemMetrics(index);
    }
}

COLORREF ZoomPixelRightOfThePointer(HWND window) {
    HWND zoom = ::GetDlgItem(window, IDC_ZOOM);
    RECT client{};
    ::GetClientRect(zoom, &client);
    // Three quarters across, a quarter down: right of the pointer's column,
    // off the cross-hair.
    return ClientPixel(zoom, client.right * 3 / 4, client.bottom / 4);
}

using ScreenBounds = PickerWindow;

TEST_F(ScreenBounds, AreAskedForAgainWhenTheDisplayChangesAndOnlyThen) {
    Scene scene({100, 100, 300, 300}, 150, kSceneLeft, kSceneRight);
    Run([](HWND window, CPickerDlg& dlg) {
        Command(window, ID_TIMER_STOP);
        const huevane::Rect atStart = dlg.ScreenBounds();
        EXPECT_EQ(atStart.width, ::GetSystemMetrics(SM_CXVIRTUALSCREEN));
        ::SetCursorPos(199, 150);

        const ImportReplacement narrow("user32.dll", "GetSystemMetrics",
                                       reinterpret_cast<const void*>(&NarrowScreens));
        // Ticks until the view shows the scene (the window's first showing,
        // when X has mapped it, blanks what was drawn before).
        EXPECT_TRUE(PumpUntil([&] {
            SendTick(window);
            return ZoomPixelRightOfThePointer(window) == kSceneRight;
        })) << "the view never showed the screen right of the pointer";
        EXPECT_EQ(dlg.ScreenBounds(), atStart) << "a tick asked for the bounds";

        ::SendMessageA(window, WM_DISPLAYCHANGE, 24, MAKELPARAM(200, 1024));
        EXPECT_EQ(dlg.ScreenBounds(), (huevane::Rect{0, 0, 200, 1024}));
        ::SetCursorPos(199, 151);
        SendTick(window);
        EXPECT_EQ(Eventually(RGB(0, 0, 0), [&] { return ZoomPixelRightOfThePointer(window); }), RGB(0, 0, 0))
            << "the next tick read beyond the new bounds";
        EXPECT_EQ(WindowText(::GetDlgItem(window, IDC_LIVE_VALUE)), "40, 50, 220")
            << "the pointer's own pixel is still on the screens";
    });
}

}  // namespace
}  // namespace huevane_test
