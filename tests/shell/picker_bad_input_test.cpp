#include "picker_window.h"

namespace huevane_test {
namespace {

using PickerBadInput = PickerWindow;

// Unknown commands and notifications change nothing. Nor does a second
// WM_INITDIALOG, with the window's own object or with nonsense: a dialog gets
// it once, and must neither start the window again nor take over its
// messages a second time.
TEST_F(PickerBadInput, UnknownCommandsAndARepeatedInitDialogChangeNothing) {
    Run([](HWND window, CPickerDlg& dlg) {
        for (UINT id : {0u, 999u, 1007u, 1021u, 32770u, 32781u, 65535u}) {
            for (UINT code : {0u, 1u, 5u, 0x300u, 0xFFFFu}) Command(window, id, code);
        }
        // Known identifiers with other notifications: no command.
        for (UINT id : {IDC_SLOT1, IDC_COPY, IDC_SET_HOTKEY}) Command(window, id, BN_DOUBLECLICKED);
        Command(window, IDC_FORMAT, CBN_DROPDOWN);
        EXPECT_EQ(MenuMarks(window), "Enable Zoom, Hot Keys, Start, 4X");
        EXPECT_EQ(EnabledSlotButtons(window), 0);
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(window, IDC_COPY)));

        Command(window, ID_OPTIONS_ZOOM);
        const LONG_PTR procedure = ::GetWindowLongPtrA(window, GWLP_WNDPROC);
        for (LPARAM lParam : {reinterpret_cast<LPARAM>(&dlg), LPARAM{0}, LPARAM{0x1234}}) {
            ::SendMessageA(window, WM_INITDIALOG, 0, lParam);
            EXPECT_EQ(::GetWindowLongPtrA(window, GWLP_WNDPROC), procedure);
        }
        EXPECT_EQ(MenuMarks(window), "Hot Keys, Start, 4X");
        // Messages still reach the handlers once, and the platform's defaults.
        Command(window, ID_OPTIONS_ZOOM);
        EXPECT_EQ(MenuMarks(window), "Enable Zoom, Hot Keys, Start, 4X");
        EXPECT_EQ(WindowText(window), "Huevane");
    });
}

TEST_F(PickerBadInput, SystemCommandsSixteenToThirtyOneOpenAboutAndOthersGetDefaults) {
    Run([](HWND window, CPickerDlg&) {
        for (UINT id = 16; id <= 31; ++id) {
            std::string caption;
            CloseNextDialog(&caption);
            ::SendMessageA(window, WM_SYSCOMMAND, id, 0);
            EXPECT_EQ(caption, "About Huevane") << "identifier " << id;
        }
        ::SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        EXPECT_TRUE(PumpUntil([&] { return ::IsIconic(window) != FALSE; }));
        ::SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
        EXPECT_TRUE(PumpUntil([&] { return ::IsIconic(window) == FALSE; }));
        ::SendMessageA(window, WM_SYSCOMMAND, 0xF1F0, 0);  // no such system command
        EXPECT_TRUE(::IsWindow(window));
    });
}

// Every timer message but the screen check's runs a tick, whatever its
// identifier; with no format selected, it writes no live text.
TEST_F(PickerBadInput, AnyTimerMessageTicksAndNoFormatSelectedWritesNoText) {
    Run([](HWND window, CPickerDlg&) {
        HotKey(window);
        ::SendMessageA(::GetDlgItem(window, IDC_FORMAT), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        Command(window, IDC_FORMAT, CBN_SELCHANGE);
        HWND live = ::GetDlgItem(window, IDC_LIVE_VALUE);
        HWND position = ::GetDlgItem(window, IDC_POSITION);
        ::SetWindowTextA(live, "kept");
        for (WPARAM id : {WPARAM{0}, WPARAM{3}, WPARAM{huevane::HOTKEY_ID}, ~WPARAM{0}}) {
            ::SetWindowTextA(position, "untouched");
            ::SendMessageA(window, WM_TIMER, id, 0);
            EXPECT_EQ(WindowText(position).rfind("X: ", 0), 0u) << "timer " << id;
        }
        EXPECT_EQ(WindowText(live), "kept");
        Click(window, IDC_SLOT1);
        EXPECT_EQ(WindowText(::GetDlgItem(window, IDC_VALUE_EDIT)), "");
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(window, IDC_COPY)));
    });
}

// What the next box says, as "CAPTION over the open picker: TEXT", once it
// is open; it is closed then.
void HearNextNotice(std::string* heard) {
    heard->clear();
    InNextDialog([heard](HWND box) {
        HWND picker = AfxGetApp()->m_pMainWnd->m_hWnd;
        const bool over = ::GetWindow(box, GW_OWNER) == picker && ::IsWindowVisible(picker);
        *heard = WindowText(box) + (over ? " over the open picker: " : " elsewhere: ") +
                 WindowText(::GetDlgItem(box, 0xFFFF));
    });
}

std::string Heard(const std::string& heard) {
    PumpUntil([&] { return !heard.empty(); });
    return heard;
}

TEST_F(PickerBadInput, ACombinationHeldElsewhereIsToldAndNeverShownAsWorking) {
    std::string heard;
    {
        const HeldElsewhere altC(MOD_ALT, 'C');
        ASSERT_TRUE(altC.Held());
        HearNextNotice(&heard);
        Run([&](HWND window, CPickerDlg&) {
            EXPECT_EQ(
                Heard(heard),
                "Huevane over the open picker: Alt+C is in use by another program, so Hot Keys is off. To "
                "use another combination, switch Hot Keys on under Options, choose it in the hot key box "
                "and press <.");
            EXPECT_FALSE(IsChecked(window, ID_OPTIONS_HOTKEYS));
            EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(window, IDC_HOTKEY)));
        });
    }
    const HeldElsewhere ctrlHome(MOD_CONTROL, VK_HOME);
    Run([&](HWND window, CPickerDlg&) {
        // Hot Keys off, '<' and on: the platform refuses the picker's second
        // registration of its own combination, which is no other program's.
        HearNextNotice(&heard);
        Command(window, ID_OPTIONS_HOTKEYS);
        Click(window, IDC_SET_HOTKEY);
        Command(window, ID_OPTIONS_HOTKEYS);
        PumpMessages();
        ASSERT_EQ(heard, "");
        EXPECT_FALSE(CombinationIsFree(MOD_ALT, 'C'));
        HWND control = ::GetDlgItem(window, IDC_HOTKEY);
        ::SendMessageA(control, HKM_SETHOTKEY, MAKEWORD(VK_HOME, HOTKEYF_CONTROL | HOTKEYF_EXT), 0);
        Click(window, IDC_SET_HOTKEY);
        // Keys go by the keyboard's names: Ctrl is "Ctrl" on Windows, "Control" under Wine.
        char ctrl[16] = {};
        ::GetKeyNameTextA(static_cast<LONG>(::MapVirtualKeyA(VK_CONTROL, MAPVK_VK_TO_VSC)) << 16, ctrl, 16);
        EXPECT_EQ(Heard(heard), "Huevane over the open picker: " + std::string(ctrl) +
                                    "+Home is in use by another program. The hot key stays Alt+C.");
        EXPECT_EQ(::SendMessageA(control, HKM_GETHOTKEY, 0, 0), MAKEWORD('C', HOTKEYF_ALT));
        EXPECT_FALSE(CombinationIsFree(MOD_ALT, 'C'));
    });
}

}  // namespace
}  // namespace huevane_test
