#include "picker_window.h"
#include "scene.h"

namespace huevane_test {
namespace {

using PickerCommands = PickerWindow;

// Each command of Options and Timer marks its item and does what it says.
TEST_F(PickerCommands, OptionsFlipZoomAndTopmostAndTimerStopsAndStartsSampling) {
    Run([](HWND window, CPickerDlg&) {
        Command(window, ID_OPTIONS_ZOOM);
        Command(window, ID_OPTIONS_ONTOP);
        EXPECT_EQ(MenuMarks(window), "Stay on Top, Hot Keys, Start, 4X");
        EXPECT_TRUE(IsTopmost(window));
        Command(window, ID_OPTIONS_ZOOM);
        Command(window, ID_OPTIONS_ONTOP);
        EXPECT_FALSE(IsTopmost(window));

        EXPECT_TRUE(TimerWritesPosition(window));
        Command(window, ID_TIMER_STOP);
        EXPECT_EQ(MenuMarks(window), "Enable Zoom, Hot Keys, Stop, 4X");
        HWND position = ::GetDlgItem(window, IDC_POSITION);
        ::SetWindowTextA(position, "untouched");
        LetSamplingPeriodsPass();
        EXPECT_EQ(WindowText(position), "untouched") << "a tick after Stop";
        Command(window, ID_TIMER_START);
        EXPECT_EQ(MenuMarks(window), "Enable Zoom, Hot Keys, Start, 4X");
        EXPECT_TRUE(TimerWritesPosition(window));
    });
}

TEST_F(PickerCommands, SlotButtonsWriteTheTextThatCopyPutsOnTheClipboard) {
    Scene scene({0, 0, 200, 200}, 100, kSceneRight, kSceneRight);
    Run([](HWND window, CPickerDlg&) {
        Command(window, ID_TIMER_STOP);  // the colour is the one tick's below
        ::SetCursorPos(50, 50);
        Tick(window);
        HotKey(window);
        HWND edit = ::GetDlgItem(window, IDC_VALUE_EDIT);

        Click(window, IDC_SLOT1);
        EXPECT_EQ(WindowText(edit), "40, 50, 220");
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(window, IDC_COPY)));
        Click(window, IDC_COPY);
        EXPECT_EQ(ClipboardText(), WindowText(edit));

        // What the user types goes along.
        ::SendMessageA(edit, EM_SETSEL, 0x7FFF, 0x7FFF);
        ::SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(" typed"));
        Click(window, IDC_COPY);
        EXPECT_EQ(ClipboardText(), "40, 50, 220 typed");

        // A new format reaches the box only at the next press.
        ::SendMessageA(::GetDlgItem(window, IDC_FORMAT), CB_SETCURSEL, 0, 0);
        Command(window, IDC_FORMAT, CBN_SELCHANGE);
        EXPECT_EQ(WindowText(edit), "40, 50, 220 typed");
        Click(window, IDC_SLOT1);
        EXPECT_EQ(WindowText(edit), "28, 32, DC");
    });
}

// A box takes the input from the main window while it is open, the picker
// sampling on behind it, and gives the input back at once as it ends,
// hidden, whether told to end or destroyed. Told to end, it wakes its loop:
// also from a message that another thread sent, which GetMessage handles
// without returning. (The system menu's About is among the bad input's
// system commands.)
TEST_F(PickerCommands, AboutAndHelpOpenFromTheirMenus) {
    Run([](HWND window, CPickerDlg&) {
        std::string caption;
        bool mainEnabled = true;
        InNextDialog([&](HWND box) {
            mainEnabled = ::IsWindowEnabled(window) != FALSE;
            caption = WindowText(box);
            EXPECT_TRUE(TimerWritesPosition(window)) << "no tick while About was open";
            Click(box, IDOK);
            EXPECT_TRUE(::IsWindowEnabled(window));
            EXPECT_FALSE(::IsWindowVisible(box));
            EXPECT_TRUE(HIWORD(::GetQueueStatus(QS_POSTMESSAGE)) & QS_POSTMESSAGE)
                << "a message wakes its loop";
        });
        Command(window, ID_HELP_ABOUT);
        EXPECT_FALSE(mainEnabled);
        EXPECT_EQ(caption, "About Huevane");
        InNextDialog([&](HWND box) {
            caption = WindowText(box);
            EXPECT_TRUE(TimerWritesPosition(window)) << "no tick while Help was open";
            ::DestroyWindow(box);
            EXPECT_TRUE(::IsWindowEnabled(window));
        });
        Command(window, ID_HELP_HELP);
        EXPECT_EQ(caption, "Help Dialog");
    });
}

}  // namespace
}  // namespace huevane_test
