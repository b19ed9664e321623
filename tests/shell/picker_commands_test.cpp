#include "picker_window.h"
#include "scene.h"

namespace huevane_test {
namespace {

using PickerCommands = PickerWindow;

TEST_F(PickerCommands, OptionsFlipZoomAndTopmost) {
    Run([](HWND window, CPickerDlg&) {
        Command(window, ID_OPTIONS_ZOOM);
        Command(window, ID_OPTIONS_ONTOP);
        EXPECT_EQ(MenuMarks(window), "Stay on Top, Hot Keys, Start, 4X");
        EXPECT_TRUE(IsTopmost(window));
        Command(window, ID_OPTIONS_ZOOM);
        Command(window, ID_OPTIONS_ONTOP);
        EXPECT_EQ(MenuMarks(window), "Enable Zoom, Hot Keys, Start, 4X");
        EXPECT_FALSE(IsTopmost(window));
    });
}

TEST_F(PickerCommands, TimerStopsAndStartsSampling) {
    Run([](HWND window, CPickerDlg&) {
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

// A box takes the input from the main window while it is open, and gives it
// back at once as it ends, hidden, whether told to end or destroyed. Told to
// end, it wakes its loop: also from a message that another thread sent,
// which GetMessage handles without returning.
TEST_F(PickerCommands, AboutAndHelpOpenFromTheirMenus) {
    Run([](HWND window, CPickerDlg&) {
        std::string caption;
        bool mainEnabled = true;
        InNextDialog([&](HWND box) {
            mainEnabled = ::IsWindowEnabled(window) != FALSE;
            caption = WindowText(box);
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
            ::DestroyWindow(box);
            EXPECT_TRUE(::IsWindowEnabled(window));
        });
        Command(window, ID_HELP_HELP);
        EXPECT_EQ(caption, "Help Dialog");
        CloseNextDialog(&caption);
        ::SendMessageA(window, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
        EXPECT_EQ(caption, "About Huevane");
    });
}

}  // namespace
}  // namespace huevane_test
