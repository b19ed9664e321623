#include <gtest/gtest.h>

#include <string>

#include "picker_window.h"
#include "readout_format.h"
#include "scene.h"
#include "zoom_geometry.h"

namespace huevane_test {
namespace {

constexpr COLORREF kLeft = RGB(10, 200, 30);
constexpr COLORREF kRight = RGB(40, 50, 220);
constexpr COLORREF kRed = RGB(255, 0, 0);

// Lets the timer run a few ticks with the pointer where it is now.
void Ticks() { PumpMessages(100); }

RECT ClientOf(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    return client;
}

using Sampling = PickerWindow;

TEST_F(Sampling, FollowsThePointerInTextsAndPreview) {
    Scene scene({0, 0, 200, 200}, 100, kLeft, kRight);
    Run([](HWND window, CPickerDlg& dlg) {
        ::SetCursorPos(120, 50);
        Ticks();
        EXPECT_EQ(WindowText(::GetDlgItem(window, IDC_POSITION)), "X: 120, Y: 50");
        EXPECT_EQ(dlg.State().m_crCurrent, kRight);
        HWND preview = ::GetDlgItem(window, IDC_PREVIEW);
        const RECT client = ClientOf(preview);
        EXPECT_EQ(ClientPixel(preview, client.right / 2, client.bottom / 2), kRight);
        EXPECT_EQ(ClientPixel(preview, 0, 0), kRight);

        const std::pair<int, std::string> formats[] = {{0, "28, 32, DC"}, {1, "#2832DC"}, {2, "40, 50, 220"}};
        for (const auto& [format, text] : formats) {
            ::SendMessageA(::GetDlgItem(window, IDC_FORMAT), CB_SETCURSEL, static_cast<WPARAM>(format), 0);
            Command(window, IDC_FORMAT, CBN_SELCHANGE);
            Ticks();
            EXPECT_EQ(WindowText(::GetDlgItem(window, IDC_LIVE_VALUE)), text);
        }

        ::SetCursorPos(30, 40);
        Ticks();
        EXPECT_EQ(WindowText(::GetDlgItem(window, IDC_POSITION)), "X: 30, Y: 40");
        EXPECT_EQ(dlg.State().m_crCurrent, kLeft);
    });
}

// The zoom view at each scale: the left colour up to the pointer's column,
// the right colour from it on, and the red cross-hair where the geometry
// puts it.
TEST_F(Sampling, MagnifiesTheSquareRoundThePointerWithTheCrossHair) {
    Scene scene({0, 0, 200, 200}, 100, kLeft, kRight);
    Run([](HWND window, CPickerDlg& dlg) {
        HWND zoom = ::GetDlgItem(window, IDC_ZOOM);
        const RECT client = ClientOf(zoom);
        for (UINT scale : {ID_SCALE_2X, ID_SCALE_4X, ID_SCALE_8X}) {
            Command(window, scale);
            ::SetCursorPos(100, 100);
            Ticks();
            const int offset = dlg.State().m_nZoomOffset;
            const int size = dlg.State().m_nZoomSize;
            const huevane::ZoomGeometry g = huevane::ComputeZoomGeometry(
                {100, 100}, offset, size, client.left, client.top, client.right, client.bottom);
            SCOPED_TRACE(::testing::Message() << "zoom source size " << size);
            // The pointer's column starts offset/size of the way across.
            const int boundary = g.destination.left + g.destination.width * offset / size;
            const int row = g.vertical.start.y + 3 == g.horizontal.start.y ? 1 : 3;
            for (int x = g.destination.left; x < g.destination.left + g.destination.width; ++x) {
                if (x == g.vertical.start.x || std::abs(x - boundary) <= 1) continue;
                EXPECT_EQ(ClientPixel(zoom, x, row), x < boundary ? kLeft : kRight) << "column " << x;
            }
            for (int y = g.vertical.start.y; y < g.vertical.end.y; ++y) {
                EXPECT_EQ(ClientPixel(zoom, g.vertical.start.x, y), kRed) << "cross-hair row " << y;
            }
            for (int x = g.horizontal.start.x; x < g.horizontal.end.x; ++x) {
                EXPECT_EQ(ClientPixel(zoom, x, g.horizontal.start.y), kRed) << "cross-hair column " << x;
            }
        }
    });
}

// With the pointer at each corner and edge of the screens, the view shows
// every pixel of the square that is on them, split at the pointer's column
// as the scene is, black for the rest, and the cross-hair in red.
TEST_F(Sampling, AtEveryEdgeTheViewShowsTheScreenUpToTheEdgeAndBlackBeyond) {
    const RECT screens{::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN),
                       ::GetSystemMetrics(SM_XVIRTUALSCREEN) + ::GetSystemMetrics(SM_CXVIRTUALSCREEN),
                       ::GetSystemMetrics(SM_YVIRTUALSCREEN) + ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    Run([&](HWND window, CPickerDlg& dlg) {
        HWND zoom = ::GetDlgItem(window, IDC_ZOOM);
        const RECT client = ClientOf(zoom);
        const LONG xs[] = {screens.left, (screens.left + screens.right) / 2, screens.right - 1};
        const LONG ys[] = {screens.top, (screens.top + screens.bottom) / 2, screens.bottom - 1};
        for (LONG x : xs) {
            for (LONG y : ys) {
                if (x == xs[1] && y == ys[1]) continue;  // the middle is no edge
                SCOPED_TRACE(::testing::Message() << "pointer at " << x << ", " << y);
                Scene scene({x - 30, y - 30, x + 30, y + 30}, x, kLeft, kRight);
                ::SetCursorPos(x, y);
                Ticks();
                EXPECT_EQ(dlg.State().m_crCurrent, kRight);

                const int size = dlg.State().m_nZoomSize;
                const huevane::ZoomGeometry g =
                    huevane::ComputeZoomGeometry({x, y}, dlg.State().m_nZoomOffset, size, client.left,
                                                 client.top, client.right, client.bottom);
                int wrong = 0;
                std::string first;
                for (int i = 0; i < size; ++i) {
                    for (int j = 0; j < size; ++j) {
                        // The middle of the block that the source pixel (i, j) becomes.
                        const int viewX = g.destination.left + (2 * i + 1) * g.destination.width / (2 * size);
                        const int viewY = g.destination.top + (2 * j + 1) * g.destination.height / (2 * size);
                        if (viewX == g.vertical.start.x || viewY == g.horizontal.start.y) continue;
                        const POINT source{g.source.left + i, g.source.top + j};
                        const COLORREF expected = !::PtInRect(&screens, source) ? RGB(0, 0, 0)
                                                  : source.x < x                ? kLeft
                                                                                : kRight;
                        const COLORREF shown = ClientPixel(zoom, viewX, viewY);
                        if (shown != expected && wrong++ == 0) {
                            first = ::testing::PrintToString(source.x) + ", " +
                                    ::testing::PrintToString(source.y) + " shown as " +
                                    ::testing::PrintToString(shown) + ", not " +
                                    ::testing::PrintToString(expected);
                        }
                    }
                }
                EXPECT_EQ(wrong, 0) << "first: screen pixel " << first;
                for (int row = g.vertical.start.y; row < g.vertical.end.y; row += 7) {
                    EXPECT_EQ(ClientPixel(zoom, g.vertical.start.x, row), kRed) << "cross-hair row " << row;
                }
            }
        }
    });
}

TEST_F(Sampling, ZoomOffLeavesTheViewAloneAndMakesNoPen) {
    Scene scene({0, 0, 200, 200}, 100, kLeft, kRight);
    Run([](HWND window, CPickerDlg& dlg) {
        ::SetCursorPos(50, 50);
        Ticks();
        const HPEN pen = dlg.CrossPen();
        ASSERT_NE(pen, nullptr);
        Command(window, ID_OPTIONS_ZOOM);
        Ticks();
        EXPECT_EQ(dlg.CrossPen(), pen) << "no pen is made while zoom is off";
        HWND zoom = ::GetDlgItem(window, IDC_ZOOM);
        const RECT client = ClientOf(zoom);
        EXPECT_NE(ClientPixel(zoom, client.right / 2, client.bottom / 2), kLeft);
        EXPECT_NE(ClientPixel(zoom, client.right / 2, client.bottom / 2), kRed);
    });
}

// Each tick that draws the zoom view: here the pointer moves between them.
TEST_F(Sampling, EachTickThatDrawsReplacesThePenAndDeletesTheLastOne) {
    Run([](HWND window, CPickerDlg& dlg) {
        Command(window, ID_TIMER_STOP);
        ::SetCursorPos(300, 300);
        ::SendMessageA(window, WM_TIMER, 1, 0);
        const HPEN first = dlg.CrossPen();
        ASSERT_EQ(::GetObjectType(first), static_cast<DWORD>(OBJ_PEN));
        ::SetCursorPos(301, 300);
        ::SendMessageA(window, WM_TIMER, 1, 0);
        EXPECT_EQ(::GetObjectType(first), 0u) << "the previous pen is deleted";
        EXPECT_EQ(::GetObjectType(dlg.CrossPen()), static_cast<DWORD>(OBJ_PEN));
    });
}

TEST_F(Sampling, SwatchesShowTheHistoryAfterEachCapture) {
    Scene scene({0, 0, 200, 200}, 100, kLeft, kRight);
    Run([](HWND window, CPickerDlg&) {
        const int swatches[] = {IDC_SWATCH1, IDC_SWATCH2, IDC_SWATCH3, IDC_SWATCH4, IDC_SWATCH5};
        auto swatch = [&](int k) {
            HWND control = ::GetDlgItem(window, swatches[k]);
            const RECT client = ClientOf(control);
            return ClientPixel(control, client.right / 2, client.bottom / 2);
        };
        const huevane::COLORREF start = huevane::kInitialSlotColour;
        ::SetCursorPos(50, 50);
        Ticks();
        ::SendMessageA(window, WM_HOTKEY, 12269, 0);
        EXPECT_EQ(swatch(0), kLeft);
        for (int k = 1; k < 5; ++k) EXPECT_EQ(swatch(k), start) << "swatch " << k + 1;

        ::SetCursorPos(150, 50);
        Ticks();
        ::SendMessageA(window, WM_HOTKEY, 12269, 0);
        EXPECT_EQ(swatch(0), kRight);
        EXPECT_EQ(swatch(1), kLeft);
        EXPECT_EQ(swatch(2), start);

        for (int i = 0; i < 4; ++i) ::SendMessageA(window, WM_HOTKEY, 12269, 0);
        for (int k = 0; k < 5; ++k) EXPECT_EQ(swatch(k), kRight) << "swatch " << k + 1 << " after six";
    });
}

TEST_F(Sampling, TicksFortyTimesASecond) {
    Run([](HWND window, CPickerDlg&) {
        HWND position = ::GetDlgItem(window, IDC_POSITION);
        int ticks = 0;
        const DWORD start = ::GetTickCount();
        ::SetWindowTextA(position, "untouched");
        while (::GetTickCount() - start < 1000) {
            PumpMessages(1);
            if (WindowText(position) != "untouched") {
                ++ticks;
                ::SetWindowTextA(position, "untouched");
            }
        }
        // Every 25 ms; a busy machine may delay a few.
        EXPECT_GE(ticks, 30);
        EXPECT_LE(ticks, 42);
    });
}

TEST_F(Sampling, GoesOnBehindTheAboutAndHelpBoxes) {
    Run([](HWND window, CPickerDlg&) {
        for (UINT command : {ID_HELP_ABOUT, ID_HELP_HELP}) {
            HWND position = ::GetDlgItem(window, IDC_POSITION);
            ::SetWindowTextA(position, "untouched");
            std::string caption;
            CloseNextDialog(&caption, IDCANCEL, 150);
            Command(window, command);
            EXPECT_FALSE(caption.empty());
            EXPECT_NE(WindowText(position), "untouched") << "no tick while " << caption << " was open";
        }
    });
}

}  // namespace
}  // namespace huevane_test
