#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "picker_window.h"
#include "scene.h"
#include "windows_stand_ins.h"

namespace huevane_test {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);

// A pixel of a control once it shows `expected`, or when a busy machine's
// patience has run out.
COLORREF ShownPixel(HWND control, int x, int y, COLORREF expected) {
    return Eventually(expected, [&] { return ClientPixel(control, x, y); });
}

using Sampling = PickerWindow;

double NowMs() {
    LARGE_INTEGER now{};
    LARGE_INTEGER frequency{};
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// When each sampling tick was taken from the queue, seen by a hook on the
// thread's message retrieval.
HWND tickWindow = nullptr;
std::vector<double>* tickTimes = nullptr;

LRESULT CALLBACK RecordTick(int code, WPARAM removed, LPARAM message) {
    const MSG* taken = reinterpret_cast<const MSG*>(message);
    if (code == HC_ACTION && removed == PM_REMOVE && taken->message == WM_TIMER &&
        taken->hwnd == tickWindow && taken->wParam == huevane::kSampleTimerId) {
        tickTimes->push_back(NowMs());
    }
    return ::CallNextHookEx(nullptr, code, removed, message);
}

TEST_F(Sampling, FollowsThePointerInTextsAndPreview) {
    Scene scene({0, 0, 200, 200}, 100, kSceneLeft, kSceneRight);
    Run([](HWND window, CPickerDlg&) {
        ::SetCursorPos(120, 50);
        Tick(window);
        EXPECT_EQ(WindowText(::GetDlgItem(window, IDC_POSITION)), "X: 120, Y: 50");
        HWND preview = ::GetDlgItem(window, IDC_PREVIEW);
        const RECT client = ClientRect(preview);
        EXPECT_EQ(ShownPixel(preview, client.right / 2, client.bottom / 2, kSceneRight), kSceneRight);
        EXPECT_EQ(ShownPixel(preview, 0, 0, kSceneRight), kSceneRight);

        // The formats themselves are the core's, tested case by case there.
        EXPECT_EQ(WindowText(::GetDlgItem(window, IDC_LIVE_VALUE)), "40, 50, 220");
        ::SendMessageA(::GetDlgItem(window, IDC_FORMAT), CB_SETCURSEL, 1, 0);
        Command(window, IDC_FORMAT, CBN_SELCHANGE);
        Tick(window);
        EXPECT_EQ(WindowText(::GetDlgItem(window, IDC_LIVE_VALUE)), "#2832DC");

        ::SetCursorPos(30, 40);
        Tick(window);
        EXPECT_EQ(WindowText(::GetDlgItem(window, IDC_POSITION)), "X: 30, Y: 40");
        EXPECT_EQ(WindowText(::GetDlgItem(window, IDC_LIVE_VALUE)), "#0AC81E");
    });
}

// The zoom view at each scale: the left colour up to the pointer's pixel,
// the right colour from it on, and the red cross-hair.
TEST_F(Sampling, MagnifiesTheSquareRoundThePointerWithTheCrossHair) {
    using namespace zoom_at_96_dpi;
    Scene scene({0, 0, 200, 200}, 100, kSceneLeft, kSceneRight);
    Run([](HWND window, CPickerDlg&) {
        HWND zoom = ::GetDlgItem(window, IDC_ZOOM);
        const RECT client = ClientRect(zoom);
        ASSERT_EQ(client.right, kClient.cx);
        ASSERT_EQ(client.bottom, kClient.cy);
        // Each preset: the first column of the pointer's pixel, 19 pixels of
        // 2 columns in at 2X, 9 of 4 at 4X, 4 of 8 at 8X.
        const struct {
            UINT command;
            int pointerColumn;
            const char* mark;
        } presets[] = {{ID_SCALE_2X, 39, "2X"}, {ID_SCALE_4X, 37, "4X"}, {ID_SCALE_8X, 33, "8X"}};
        for (const auto& [command, pointerColumn, mark] : presets) {
            Command(window, command);
            ::SetCursorPos(100, 100);
            Tick(window);
            SCOPED_TRACE(::testing::Message() << "pointer's pixel from column " << pointerColumn);
            EXPECT_EQ(MenuMarks(window), std::string("Enable Zoom, Hot Keys, Start, ") + mark);
            for (int x = kFirstColumn; x <= kLastColumn; ++x) {
                if (x == kCrossColumn) continue;
                EXPECT_EQ(ClientPixel(zoom, x, 2), x < pointerColumn ? kSceneLeft : kSceneRight)
                    << "column " << x;
            }
            for (int y = 0; y < kClient.cy; ++y) {
                EXPECT_EQ(ClientPixel(zoom, kCrossColumn, y), kRed) << "cross-hair row " << y;
            }
            for (int x = kFirstColumn; x <= kLastColumn; ++x) {
                EXPECT_EQ(ClientPixel(zoom, x, kCrossRow), kRed) << "cross-hair column " << x;
            }
        }
    });
}

// With the pointer at each corner and edge of the screens, the view shows
// every pixel of the square that is on them, split at the pointer's column
// as the scene is, and black for the rest.
TEST_F(Sampling, AtEveryEdgeTheViewShowsTheScreenUpToTheEdgeAndBlackBeyond) {
    const RECT screens = VirtualScreen();
    Run([&](HWND window, CPickerDlg&) {
        HWND zoom = ::GetDlgItem(window, IDC_ZOOM);
        const RECT view = ClientRect(zoom);
        const LONG xs[] = {screens.left, (screens.left + screens.right) / 2, screens.right - 1};
        const LONG ys[] = {screens.top, (screens.top + screens.bottom) / 2, screens.bottom - 1};
        for (LONG x : xs) {
            for (LONG y : ys) {
                if (x == xs[1] && y == ys[1]) continue;  // the middle is no edge
                SCOPED_TRACE(::testing::Message() << "pointer at " << x << ", " << y);
                Scene scene({x - 30, y - 30, x + 30, y + 30}, x, kSceneLeft, kSceneRight);
                ::SetCursorPos(x, y);
                Tick(window);
                EXPECT_EQ(WindowText(::GetDlgItem(window, IDC_POSITION)),
                          "X: " + std::to_string(x) + ", Y: " + std::to_string(y));
                EXPECT_EQ(WindowText(::GetDlgItem(window, IDC_LIVE_VALUE)), "40, 50, 220");

                // The 4X preset at start: the pointer's pixel at 9 in a square of 20.
                constexpr int size = 20;
                const POINT corner{x - 9, y - 9};
                int wrong = 0;
                std::string first;
                for (int i = 0; i < size; ++i) {
                    for (int j = 0; j < size; ++j) {
                        // Near the middle of the block that the source pixel
                        // (i, j) becomes, at any scale: off the picture's
                        // one-pixel margins, and off the cross-hair, which
                        // lies between two blocks.
                        const int viewX = (2 * i + 1) * view.right / (2 * size);
                        const int viewY = (2 * j + 1) * view.bottom / (2 * size);
                        const POINT source{corner.x + i, corner.y + j};
                        const COLORREF expected = !::PtInRect(&screens, source) ? RGB(0, 0, 0)
                                                  : source.x < x                ? kSceneLeft
                                                                                : kSceneRight;
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
            }
        }
    });
}

// One cross-hair pen at a time, made by each tick that draws the zoom view
// (here the pointer moves between them), and none while zoom is off.
TEST_F(Sampling, EachTickThatDrawsReplacesThePenAndZoomOffDrawsNone) {
    Scene scene({0, 0, 200, 200}, 100, kSceneLeft, kSceneRight);
    Run([](HWND window, CPickerDlg& dlg) {
        Command(window, ID_TIMER_STOP);
        ::SetCursorPos(50, 50);
        SendTick(window);
        const HPEN first = dlg.CrossPen();
        ASSERT_EQ(::GetObjectType(first), static_cast<DWORD>(OBJ_PEN));
        ::SetCursorPos(51, 50);
        SendTick(window);
        EXPECT_EQ(::GetObjectType(first), 0u) << "the previous pen is deleted";
        const HPEN second = dlg.CrossPen();
        EXPECT_EQ(::GetObjectType(second), static_cast<DWORD>(OBJ_PEN));
        Command(window, ID_OPTIONS_ZOOM);
        ::SetCursorPos(52, 50);
        Tick(window);
        EXPECT_EQ(dlg.CrossPen(), second) << "no pen is made while zoom is off";
        HWND zoom = ::GetDlgItem(window, IDC_ZOOM);
        const RECT client = ClientRect(zoom);
        EXPECT_NE(ClientPixel(zoom, client.right / 2, client.bottom / 2), kSceneLeft);
        EXPECT_NE(ClientPixel(zoom, client.right / 2, client.bottom / 2), kRed);
    });
}

TEST_F(Sampling, SwatchesShowTheHistoryAfterEachCapture) {
    Scene scene({0, 0, 200, 200}, 100, kSceneLeft, kSceneRight);
    Run([](HWND window, CPickerDlg&) {
        const int swatches[] = {IDC_SWATCH1, IDC_SWATCH2, IDC_SWATCH3, IDC_SWATCH4, IDC_SWATCH5};
        // Swatch k's colour, once it shows `expected` or the patience runs out.
        auto swatch = [&](int k, COLORREF expected) {
            HWND control = ::GetDlgItem(window, swatches[k]);
            const RECT client = ClientRect(control);
            return ShownPixel(control, client.right / 2, client.bottom / 2, expected);
        };
        const huevane::COLORREF start = huevane::kInitialSlotColour;
        ::SetCursorPos(50, 50);
        Tick(window);
        HotKey(window);
        EXPECT_EQ(swatch(0, kSceneLeft), kSceneLeft);
        for (int k = 1; k < 5; ++k) EXPECT_EQ(swatch(k, start), start) << "swatch " << k + 1;

        ::SetCursorPos(150, 50);
        Tick(window);
        HotKey(window);
        EXPECT_EQ(swatch(0, kSceneRight), kSceneRight);
        EXPECT_EQ(swatch(1, kSceneLeft), kSceneLeft);
        EXPECT_EQ(swatch(2, start), start);

        for (int i = 0; i < 4; ++i) HotKey(window);
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ(swatch(k, kSceneRight), kSceneRight) << "swatch " << k + 1 << " after six";
    });
}

// The timer's period: the k-th tick after the timer is armed comes no sooner
// than k periods later, which a busy machine cannot break (it can only delay
// ticks or merge them), and ticks keep coming.
TEST_F(Sampling, TheKthTickComesNoSoonerThanKPeriodsAfterTheStart) {
    Run([](HWND window, CPickerDlg&) {
        Command(window, ID_TIMER_STOP);
        std::vector<double> ticks;
        tickWindow = window;
        tickTimes = &ticks;
        HHOOK hook = ::SetWindowsHookExA(WH_GETMESSAGE, &RecordTick, nullptr, ::GetCurrentThreadId());
        ASSERT_NE(hook, nullptr);
        const double armed = NowMs();
        Command(window, ID_TIMER_START);
        PumpUntil([&] { return ticks.size() >= 20; }, kPatienceMs);
        ::UnhookWindowsHookEx(hook);
        ASSERT_GE(ticks.size(), 20u) << "the timer stopped ticking";
        for (std::size_t k = 0; k < 20; ++k) {
            // The platform counts whole milliseconds.
            EXPECT_GE(ticks[k] - armed, 25.0 * static_cast<double>(k + 1) - 2.0) << "tick " << k + 1;
        }
    });
}

int pointerReads = 0;
const ImportReplacement* pointerReading = nullptr;
BOOL WINAPI CountPointerRead(LPPOINT point) {
    ++pointerReads;
    return pointerReading->Original<decltype(&CountPointerRead)>()(point);
}

// Unseen (minimised, the session locked, the display off) the window reads
// and draws nothing, but a capture takes the colour under the pointer. Seen
// again, at once, every tick that a witness sees reads and shows the live
// colour. (That a stopped picker stays stopped through it is the rules'
// model test's.)
TEST_F(Sampling, UnseenItReadsNothingButACaptureTakesTheColourUnderThePointer) {
    Scene scene({0, 0, 200, 200}, 100, kSceneLeft, kSceneRight);
    const ImportReplacement reads("user32.dll", "GetCursorPos",
                                  reinterpret_cast<const void*>(&CountPointerRead));
    pointerReading = &reads;
    Run([](HWND window, CPickerDlg&) {
        HWND position = ::GetDlgItem(window, IDC_POSITION);
        HWND live = ::GetDlgItem(window, IDC_LIVE_VALUE);
        const auto show = [&](UINT command) {
            ::SendMessageA(window, WM_SYSCOMMAND, command, 0);
            EXPECT_TRUE(PumpUntil([&] { return (::IsIconic(window) != FALSE) == (command == SC_MINIMIZE); }));
        };
        const auto seenAgain = [&](const std::function<void()>& seen) {
            std::vector<double> ticks;
            tickWindow = window;
            tickTimes = &ticks;
            pointerReads = 0;
            HHOOK witness = ::SetWindowsHookExA(WH_GETMESSAGE, &RecordTick, nullptr, ::GetCurrentThreadId());
            seen();
            EXPECT_TRUE(PumpUntil([&] { return !ticks.empty(); }));
            ::UnhookWindowsHookEx(witness);
            EXPECT_EQ(pointerReads, static_cast<int>(ticks.size()));
        };
        ::SetCursorPos(50, 50);
        show(SC_MINIMIZE);
        ::SetWindowTextA(position, "untouched");
        pointerReads = 0;
        LetSamplingPeriodsPass();
        Tick(window);  // one already under way
        EXPECT_EQ(pointerReads, 0);
        EXPECT_EQ(WindowText(position), "untouched");
        ::SetCursorPos(150, 50);
        HotKey(window);
        EXPECT_EQ(pointerReads, 1);
        Click(window, IDC_SLOT1);
        EXPECT_EQ(WindowText(::GetDlgItem(window, IDC_VALUE_EDIT)), "40, 50, 220");

        // Locked (after the hot key, which ends a lock where the session's
        // state cannot be read), restored while locked, then unlocked.
        SessionChange(window, WTS_SESSION_LOCK);
        show(SC_RESTORE);
        LetSamplingPeriodsPass();
        EXPECT_EQ(pointerReads, 1);
        seenAgain([&] { SessionChange(window, WTS_SESSION_UNLOCK); });
        EXPECT_EQ(WindowText(position), "X: 150, Y: 50");
        EXPECT_EQ(WindowText(live), "40, 50, 220");

        // Dark, then dimmed; a setting too short for a state is not read.
        DisplayStatus(window, 0);
        ::SetCursorPos(50, 50);
        pointerReads = 0;
        LetSamplingPeriodsPass();
        DisplayStatus(window, 1, 1);
        SendTick(window);
        EXPECT_EQ(pointerReads, 0);
        seenAgain([&] { DisplayStatus(window, 2); });
        EXPECT_EQ(WindowText(live), "10, 200, 30");
    });
}

}  // namespace
}  // namespace huevane_test
