// The program at the scale the system runs at: the test runner sets the
// system's DPI and names it in HUEVANE_EXPECTED_DPI (96 where it is unset).
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "help_dlg.h"
#include "main_template.h"
#include "picker_window.h"
#include "windows_stand_ins.h"

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

void ExpectEveryControlShownWhole(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    std::vector<HWND> controls;
    ::EnumChildWindows(window, &CollectControl, reinterpret_cast<LPARAM>(&controls));
    ASSERT_EQ(controls.size(), static_cast<std::size_t>(kMainWindowControls));
    for (HWND control : controls) {
        RECT rect{};
        ::GetWindowRect(control, &rect);
        ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_TRUE(Inside(rect, client))
            << "control " << ::GetDlgCtrlID(control) << " reaches " << rect.right << ", " << rect.bottom
            << " in a client area of " << client.right << " by " << client.bottom;
    }
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

// The scales that a change goes to, from the system's: up to 150 % and 200 %
// and back to 100 %, then back to the system's, which is where it started.
std::vector<UINT> ChangesOfScale() {
    std::vector<UINT> changes;
    for (const UINT dpi : {144u, 192u, 96u, ExpectedDpi()}) {
        if (dpi != (changes.empty() ? ExpectedDpi() : changes.back())) changes.push_back(dpi);
    }
    return changes;
}

// Windows lays the box out again and gives every control the dialog's font
// at the new scale; the help text keeps its own Arial, at that scale.
TEST_F(Scaling, AfterAChangeOfScaleTheHelpTextKeepsItsOwnFontAtTheNewScale) {
    const PerMonitorDialogs windows;
    CHelpDlg help(nullptr);
    RunInDialog(help, [&](HWND dialog) {
        for (const UINT dpi : ChangesOfScale()) {
            SCOPED_TRACE(::testing::Message() << "at " << dpi << " DPI");
            const HFONT before = HelpTextFontHandle(dialog);
            PerMonitorDialogs::ChangeScale(dialog, dpi);
            LOGFONTA font{};
            ::GetObjectA(HelpTextFontHandle(dialog), sizeof font, &font);
            EXPECT_STREQ(font.lfFaceName, "Arial");
            EXPECT_EQ(font.lfHeight, Scaled(12, dpi));
            EXPECT_EQ(::GetObjectType(before), 0u) << "the font it replaced is deleted";
        }
    });
}

// Every control is shown whole as the window opens (at 200 % its menu bar
// wraps) and after each change of scale: laid out again for each scale, the
// main window keeps the client area that it opened with, at that scale, below
// however many rows its menu bar takes there; back at the scale it opened at
// it is as tall as it was, however often the scale changes.
TEST_F(Scaling, AfterAChangeOfScaleTheMainWindowHoldsItsControlsBelowItsMenuBar) {
    const PerMonitorDialogs windows;
    Run([](HWND window, CPickerDlg&) {
        ExpectEveryControlShownWhole(window);
        const int opened = static_cast<int>(ExpectedDpi());
        const int openedClient = ClientRect(window).bottom;
        const RECT first = WindowRect(window);
        for (int round = 1; round <= 2; ++round) {
            for (const UINT dpi : ChangesOfScale()) {
                SCOPED_TRACE(::testing::Message() << "round " << round << ", at " << dpi << " DPI");
                PerMonitorDialogs::ChangeScale(window, dpi);
                EXPECT_EQ(ClientRect(window).bottom, ::MulDiv(openedClient, static_cast<int>(dpi), opened));
                ExpectEveryControlShownWhole(window);
            }
            const RECT back = WindowRect(window);
            EXPECT_EQ(back.bottom - back.top, first.bottom - first.top) << "round " << round;
        }
    });
}

}  // namespace
}  // namespace huevane_test
