// The program at the scale the system runs at: the test runner sets the
// system's DPI and names it in HUEVANE_EXPECTED_DPI (96 where it is unset).
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <utility>
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

void ExpectEveryControlShownWhole(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    const std::vector<HWND> controls = ChildrenOf(window).controls;
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

// How often the main window's client area has changed its size.
HWND resized = nullptr;
int resizes = 0;
LRESULT CALLBACK CountResize(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->hwnd == resized && sent->message == WM_SIZE) ++resizes;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

bool MenuBarInOneRow(HWND window) {
    RECT first{}, last{};
    ::GetMenuItemRect(window, ::GetMenu(window), 0, &first);
    ::GetMenuItemRect(window, ::GetMenu(window), static_cast<UINT>(::GetMenuItemCount(::GetMenu(window)) - 1),
                      &last);
    return first.top == last.top;
}

// Every control is shown whole as the window opens (at 200 % its menu bar
// wraps) and after each change of scale: laid out again for each scale, the
// main window keeps the client area that it opened with, at that scale, below
// however many rows its menu bar takes there, and has one size at each scale
// however often the scale changes. The size it tells the system before a
// change is already right where the bar keeps its one row (where Wine's
// menu bar is measured at that scale: the system's). A change while it is
// minimised (a screen unplugged, the scale setting changed) gives it no size
// then, its scale's at the restore. A change of the system's text size
// changes the menu font, and so, with no change of scale, how many rows the
// bar takes (here the window is made narrower for it).
TEST_F(Scaling, AfterAChangeOfScaleTheMainWindowHoldsItsControlsBelowItsMenuBar) {
    const PerMonitorDialogs windows;
    const HHOOK counting = ::SetWindowsHookExA(WH_CALLWNDPROC, &CountResize, nullptr, ::GetCurrentThreadId());
    Run([](HWND window, CPickerDlg&) {
        ExpectEveryControlShownWhole(window);
        const int opened = static_cast<int>(ExpectedDpi());
        const int openedClient = ClientRect(window).bottom;
        std::map<UINT, std::pair<LONG, LONG>> sizeAt;
        resized = window;
        for (int round = 1; round <= 2; ++round) {
            for (const UINT dpi : ChangesOfScale()) {
                SCOPED_TRACE(::testing::Message() << "round " << round << ", at " << dpi << " DPI");
                resizes = 0;
                PerMonitorDialogs::ChangeScale(window, dpi);
                EXPECT_EQ(ClientRect(window).bottom, ::MulDiv(openedClient, static_cast<int>(dpi), opened));
                ExpectEveryControlShownWhole(window);
                if (dpi == ExpectedDpi() && MenuBarInOneRow(window)) {
                    EXPECT_EQ(resizes, 1) << "resized again after the suggested rectangle";
                }
                const RECT now = WindowRect(window);
                const std::pair size{now.right - now.left, now.bottom - now.top};
                EXPECT_EQ(sizeAt.try_emplace(dpi, size).first->second, size);
            }
        }

        const UINT dpi = ChangesOfScale().front();
        for (const UINT command : {SC_MINIMIZE, SC_RESTORE}) {
            if (command == SC_RESTORE) PerMonitorDialogs::ChangeScale(window, dpi);
            ::SendMessageA(window, WM_SYSCOMMAND, command, 0);
            ASSERT_TRUE(PumpUntil([&] { return (::IsIconic(window) != FALSE) == (command == SC_MINIMIZE); }));
        }
        EXPECT_EQ(ClientRect(window).bottom, ::MulDiv(openedClient, static_cast<int>(dpi), opened))
            << "restored";
        ExpectEveryControlShownWhole(window);

        PerMonitorDialogs::ChangeScale(window, ExpectedDpi());
        const RECT wide = WindowRect(window);
        ::SetWindowPos(window, nullptr, 0, 0, (wide.right - wide.left) / 2, wide.bottom - wide.top,
                       SWP_NOMOVE | SWP_NOZORDER);
        ASSERT_LT(ClientRect(window).bottom, openedClient) << "the menu bar takes another row";
        ::SendMessageA(window, WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
        EXPECT_EQ(ClientRect(window).bottom, openedClient) << "after a change of text size";
    });
    ::UnhookWindowsHookEx(counting);
}

}  // namespace
}  // namespace huevane_test
