#include "help_dlg.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "dialog_harness.h"
#include "windows_stand_ins.h"

namespace huevane_test {
namespace {

struct HelpObjects {
    HBRUSH brush = nullptr;
    HFONT font = nullptr;
};

// Opens the Help box and reads what it shows; the check runs while it is open.
HelpObjects OpenHelp(const std::function<void(HWND)>& check) {
    HelpObjects objects;
    CHelpDlg help(nullptr);
    RunInDialog(help, [&](HWND dialog) {
        HWND text = ::GetDlgItem(dialog, IDC_HELP_TEXT);
        objects.font = reinterpret_cast<HFONT>(::SendMessageA(text, WM_GETFONT, 0, 0));
        HDC dc = ::CreateCompatibleDC(nullptr);
        objects.brush = reinterpret_cast<HBRUSH>(::SendMessageA(
            dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(text)));
        ::DeleteDC(dc);
        check(dialog);
    });
    return objects;
}

TEST(HelpBox, ShowsTheSevenLinesInBlueArialOnGreyBlue) {
    const HelpObjects objects = OpenHelp([](HWND dialog) {
        HWND text = ::GetDlgItem(dialog, IDC_HELP_TEXT);
        const std::string shown = WindowText(text);
        EXPECT_EQ(shown.size(), 780u);
        EXPECT_EQ(std::count(shown.begin(), shown.end(), '\n'), 6);
        EXPECT_EQ(shown.find('\r'), std::string::npos);
        EXPECT_EQ(
            shown.rfind("1. A hot key has been assigned, Alt + C, it can be changed by the user.\nclick", 0),
            0u);
        EXPECT_NE(shown.find("in the list box.  Now you can Copy the selected value to the Clipboard."),
                  std::string::npos);

        LOGFONTA font{};
        ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(text, WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_STREQ(font.lfFaceName, "Arial");

        HDC dc = ::CreateCompatibleDC(nullptr);
        auto brush = reinterpret_cast<HBRUSH>(::SendMessageA(
            dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(text)));
        LOGBRUSH colour{};
        ::GetObjectA(brush, sizeof colour, &colour);
        EXPECT_EQ(colour.lbColor, 0x00CBB19Bu);
        EXPECT_EQ(::GetTextColor(dc), 0x00FF0000u);
        EXPECT_EQ(::GetBkMode(dc), TRANSPARENT);

        // The OK button is not the help text: the platform's colours.
        ::SetTextColor(dc, 0);
        HBRUSH other =
            reinterpret_cast<HBRUSH>(::SendMessageA(dialog, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                                    reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK))));
        EXPECT_NE(other, brush);
        EXPECT_EQ(::GetTextColor(dc), 0u);
        ::DeleteDC(dc);
    });
    EXPECT_EQ(::GetObjectType(objects.brush), 0u) << "the brush went with the dialog";
    EXPECT_EQ(::GetObjectType(objects.font), 0u) << "the font went with the dialog";
}

// Switched on while the box is open, high contrast gives the help text the
// system's window colours at once.
TEST(HelpBox, UnderHighContrastTakesTheSystemsWindowColours) {
    CHelpDlg help(nullptr);
    RunInDialog(help, [](HWND dialog) {
        HWND text = ::GetDlgItem(dialog, IDC_HELP_TEXT);
        HighContrast on;
        ::ValidateRect(text, nullptr);
        ::SendMessageA(dialog, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
        RECT update{};
        EXPECT_TRUE(::GetUpdateRect(text, &update, FALSE)) << "the text is drawn again";

        HDC dc = ::CreateCompatibleDC(nullptr);
        auto brush = reinterpret_cast<HBRUSH>(::SendMessageA(
            dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(text)));
        LOGBRUSH colour{};
        ::GetObjectA(brush, sizeof colour, &colour);
        EXPECT_EQ(colour.lbColor, ::GetSysColor(COLOR_WINDOW));
        EXPECT_EQ(::GetTextColor(dc), ::GetSysColor(COLOR_WINDOWTEXT));
        ::DeleteDC(dc);
    });
}

TEST(HelpBox, OpeningItManyTimesLeavesNoBrushOrFont) {
    for (int i = 0; i < 1000; ++i) {
        const HelpObjects objects = OpenHelp([](HWND) {});
        ASSERT_EQ(::GetObjectType(objects.brush), 0u) << "opening " << i;
        ASSERT_EQ(::GetObjectType(objects.font), 0u) << "opening " << i;
    }
}

void CALLBACK PostQuit(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    ::PostQuitMessage(7);
}

// A quit ends the box, which leaves it for the loop around it.
TEST(HelpBox, AQuitMessageEndsItAndStaysQueued) {
    CHelpDlg help(nullptr);
    ::SetTimer(nullptr, 0, 1, &PostQuit);
    EXPECT_EQ(help.DoModal(), -1);
    MSG quit{};
    ASSERT_TRUE(::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 7u);
}

}  // namespace
}  // namespace huevane_test
