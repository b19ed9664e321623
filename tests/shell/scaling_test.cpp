// The program at the scale the system runs at: the test runner sets the
// system's DPI and names it in HUEVANE_EXPECTED_DPI (96 where it is unset).
#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>
#include <vector>

#include "help_dlg.h"
#include "picker_window.h"

namespace huevane_test {
namespace {

UINT ExpectedDpi() {
    const char* named = std::getenv("HUEVANE_EXPECTED_DPI");
    return named ? static_cast<UINT>(std::atoi(named)) : kDefaultDpi;
}

int Scaled(int pixelsAt96, UINT dpi) {
    return ::MulDiv(pixelsAt96, static_cast<int>(dpi), static_cast<int>(kDefaultDpi));
}

struct FontHeights {
    LONG asked = 0;  // the font's cell height as made
    LONG shown = 0;  // the height of the text drawn with it
};

HFONT HelpTextFontHandle(HWND dialog) {
    return reinterpret_cast<HFONT>(::SendDlgItemMessageA(dialog, IDC_HELP_TEXT, WM_GETFONT, 0, 0));
}

FontHeights HelpTextFont(HWND dialog) {
    HWND text = ::GetDlgItem(dialog, IDC_HELP_TEXT);
    const HFONT font = HelpTextFontHandle(dialog);
    FontHeights heights;
    LOGFONTA made{};
    ::GetObjectA(font, sizeof made, &made);
    heights.asked = made.lfHeight;
    HDC dc = ::GetDC(text);
    HGDIOBJ old = ::SelectObject(dc, font);
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(dc, &metrics);
    ::SelectObject(dc, old);
    ::ReleaseDC(text, dc);
    heights.shown = metrics.tmHeight;
    return heights;
}

// The height of a line of the dialog's own font: eight dialog units.
LONG DialogLineHeight(HWND dialog) {
    RECT line{0, 0, 4, 8};
    ::MapDialogRect(dialog, &line);
    return line.bottom;
}

using Scaling = PickerWindow;

TEST_F(Scaling, TheProgramRunsAtTheScaleTheSystemWasGiven) {
    HDC screen = ::GetDC(nullptr);
    EXPECT_EQ(::GetDeviceCaps(screen, LOGPIXELSY), static_cast<int>(ExpectedDpi()));
    ::ReleaseDC(nullptr, screen);
    Run([](HWND window, CPickerDlg&) {
        EXPECT_EQ(DpiOfWindow(window), ExpectedDpi());
        // The dialog's font, and with it every size in the dialog, grows with
        // the scale: a line of it is about its size of 8 points (a bitmap
        // font gives the nearest size it has, 20 pixels for 21 at 192 DPI).
        EXPECT_GE(DialogLineHeight(window), ::MulDiv(8 * 9, static_cast<int>(ExpectedDpi()), 72 * 10));
    });
}

BOOL CALLBACK CollectControl(HWND control, LPARAM controls) {
    reinterpret_cast<std::vector<HWND>*>(controls)->push_back(control);
    return TRUE;
}

TEST_F(Scaling, EveryControlOfTheMainWindowIsShownWhole) {
    Run([](HWND window, CPickerDlg&) {
        RECT client{};
        ::GetClientRect(window, &client);
        std::vector<HWND> controls;
        ::EnumChildWindows(window, &CollectControl, reinterpret_cast<LPARAM>(&controls));
        ASSERT_EQ(controls.size(), 20u);
        for (HWND control : controls) {
            RECT rect{};
            ::GetWindowRect(control, &rect);
            ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
            EXPECT_TRUE(Inside(rect, client))
                << "control " << ::GetDlgCtrlID(control) << " reaches " << rect.right << ", " << rect.bottom
                << " in a client area of " << client.right << " by " << client.bottom;
        }
    });
}

TEST_F(Scaling, TheHelpTextIsTwelvePixelsHighAt96DpiAndScalesWithTheDialog) {
    const UINT dpi = ExpectedDpi();
    CHelpDlg help(nullptr);
    RunInDialog(help, [&](HWND dialog) {
        const FontHeights font = HelpTextFont(dialog);
        EXPECT_EQ(font.asked, Scaled(12, dpi));
        EXPECT_NEAR(font.shown, Scaled(12, dpi), 1);
        // In proportion to the dialog's own text, as it is at 96 DPI.
        const double proportion =
            static_cast<double>(font.shown) / static_cast<double>(DialogLineHeight(dialog));
        EXPECT_GT(proportion, 0.75);
        EXPECT_LT(proportion, 1.25);
    });
}

TEST_F(Scaling, TheHelpTextFollowsAChangeOfScale) {
    const UINT dpi = ExpectedDpi();
    CHelpDlg help(nullptr);
    RunInDialog(help, [&](HWND dialog) {
        const HFONT first = HelpTextFontHandle(dialog);
        // Each told scale, then a message that names none, which leaves the
        // window's own.
        const std::pair<UINT, UINT> changes[] = {{dpi * 2, dpi * 2}, {dpi, dpi}, {0, DpiOfWindow(dialog)}};
        for (const auto& [told, expected] : changes) {
            SCOPED_TRACE(::testing::Message() << "told " << told << " DPI");
            const HFONT before = HelpTextFontHandle(dialog);
            RECT suggested{};
            ::GetWindowRect(dialog, &suggested);
            ::SendMessageA(dialog, WM_DPICHANGED, MAKEWPARAM(told, told),
                           reinterpret_cast<LPARAM>(&suggested));
            EXPECT_EQ(HelpTextFont(dialog).asked, Scaled(12, expected));
            EXPECT_EQ(::GetObjectType(before), 0u) << "the font it replaced is deleted";
        }
        EXPECT_NE(HelpTextFontHandle(dialog), first);
    });
}

}  // namespace
}  // namespace huevane_test
