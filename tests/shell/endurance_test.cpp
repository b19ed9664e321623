// Long runs, bounded in count: the window neither leaks nor breaks.
#include <algorithm>
#include <random>
#include <string>

#include "picker_window.h"
#include "scene.h"
#include "test_seed.h"
#include "windows_stand_ins.h"

// After windows.h, which it needs.
#include <psapi.h>

namespace huevane_test {
namespace {

SIZE_T WorkingSet() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
    return counters.WorkingSetSize;
}

// What the window must show after the messages that the storm sent, kept by
// the storm itself from what each message asks for.
struct Expected {
    bool zoom = true, onTop = false, hotKeys = true, sampling = true, slotPressed = false;
    const char* scale = "4X";
    int captured = 0;

    void Command(UINT id) {
        switch (id) {
            case ID_OPTIONS_ZOOM: zoom = !zoom; break;
            case ID_OPTIONS_ONTOP: onTop = !onTop; break;
            case ID_OPTIONS_HOTKEYS: hotKeys = !hotKeys; break;
            case ID_TIMER_START:
            case ID_TIMER_STOP: sampling = id == ID_TIMER_START; break;
            case ID_SCALE_2X: scale = "2X"; break;
            case ID_SCALE_4X: scale = "4X"; break;
            case ID_SCALE_8X: scale = "8X"; break;
            default: slotPressed = slotPressed || (id >= IDC_SLOT1 && id <= IDC_SLOT5);
        }
    }
    std::string Marks() const {
        std::string marks = zoom ? "Enable Zoom, " : "";
        if (onTop) marks += "Stay on Top, ";
        if (hotKeys) marks += "Hot Keys, ";
        return marks + (sampling ? "Start, " : "Stop, ") + scale;
    }
};

void ExpectShown(HWND window, const Expected& expected) {
    EXPECT_EQ(MenuMarks(window), expected.Marks());
    EXPECT_EQ(EnabledSlotButtons(window), expected.captured);
    EXPECT_EQ(::IsWindowEnabled(::GetDlgItem(window, IDC_COPY)) != FALSE, expected.slotPressed);
    EXPECT_EQ(::IsWindowEnabled(::GetDlgItem(window, IDC_HOTKEY)) != FALSE, expected.hotKeys);
    EXPECT_EQ(IsTopmost(window), expected.onTop);
}

using Endurance = PickerWindow;

// Every tick draws: the pointer moves between two pixels of two colours. Wine
// itself grows a little as the pointer moves, so the growth is measured
// against the same moves without the ticks.
TEST_F(Endurance, TwentyThousandTicksThatDrawLeaveNoGrowth) {
    Scene scene({0, 0, 200, 200}, 100, kSceneLeft, kSceneRight);
    Run([](HWND window, CPickerDlg& dlg) {
        Command(window, ID_TIMER_STOP);
        const UINT scales[] = {ID_SCALE_2X, ID_SCALE_4X, ID_SCALE_8X};
        int drawn = 0;
        // The working set's growth from the 2,000th move to the last.
        auto growth = [&](bool ticks) {
            SIZE_T start = 0;
            for (int move = 0; move < 20000; ++move) {
                if (move % 100 == 0) PumpMessages();  // the moves' input messages
                if (move == 2000) start = WorkingSet();
                ::SetCursorPos(99 + move % 2, 100);
                if (!ticks) continue;
                if (move % 1000 == 0) Command(window, scales[move / 1000 % 3]);
                const HPEN before = dlg.CrossPen();
                SendTick(window);
                if (dlg.CrossPen() != before) ++drawn;
            }
            return static_cast<long long>(WorkingSet()) - static_cast<long long>(start);
        };
        const long long withoutTicks = growth(false);
        const long long withTicks = growth(true);

        EXPECT_EQ(drawn, 20000) << "ticks that drew the zoom view";
        // The cross-hair is still drawn, in red, at the last scale, once the
        // last drawing has reached the screen.
        HWND zoom = ::GetDlgItem(window, IDC_ZOOM);
        EXPECT_EQ(
            Eventually(RGB(255, 0, 0), [&] { return ClientPixel(zoom, zoom_at_96_dpi::kCrossColumn, 20); }),
            RGB(255, 0, 0));
        EXPECT_LE(withTicks, withoutTicks + 256 * 1024)
            << "working set grew by " << withTicks << " bytes with the ticks, " << withoutTicks << " without";
    });
}

// The box that tells of a combination the platform refused, answered at once.
int WINAPI AnswerAtOnce(HWND, LPCSTR, LPCSTR, UINT) { return IDOK; }

TEST_F(Endurance, AStormOfFiftyThousandMessagesShowsWhatEachAskedFor) {
    const ImportReplacement boxes("user32.dll", "MessageBoxA", reinterpret_cast<const void*>(&AnswerAtOnce));
    Run([](HWND window, CPickerDlg&) {
        const unsigned seed = SeedForThisRun();
        SCOPED_TRACE(ReplayNote(seed));
        std::mt19937 random(seed);
        auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
        // Commands that open no modal dialog and do not close the window.
        const UINT commands[] = {ID_OPTIONS_ZOOM, ID_OPTIONS_ONTOP, ID_OPTIONS_HOTKEYS, ID_TIMER_START,
                                 ID_TIMER_STOP,   ID_SCALE_2X,      ID_SCALE_4X,        ID_SCALE_8X,
                                 IDC_COPY,        IDC_SET_HOTKEY,   IDC_SLOT1,          IDC_SLOT2,
                                 IDC_SLOT3,       IDC_SLOT4,        IDC_SLOT5};
        Expected expected;
        for (int message = 0; message < 50000; ++message) {
            switch (pick(0, 7)) {
                case 0:
                case 1: {
                    const UINT id = commands[pick(0, static_cast<int>(std::size(commands)) - 1)];
                    // A disabled button cannot be pressed.
                    HWND control = ::GetDlgItem(window, static_cast<int>(id));
                    if (control && !::IsWindowEnabled(control)) break;
                    expected.Command(id);
                    Command(window, id, control ? BN_CLICKED : 0);
                    break;
                }
                case 2: {
                    // Any identifier that the window does not know.
                    UINT id = 0;
                    do {
                        id = static_cast<UINT>(pick(0, 65535));
                    } while (id == IDOK || id == IDCANCEL || (id >= IDC_SLOT1 && id <= IDC_SWATCH5) ||
                             (id >= ID_OPTIONS_ZOOM && id <= ID_SCALE_8X));
                    Command(window, id, static_cast<UINT>(pick(0, 0x400)));
                    break;
                }
                case 3:
                    ::SendMessageA(::GetDlgItem(window, IDC_FORMAT), CB_SETCURSEL,
                                   static_cast<WPARAM>(pick(-1, 2)), 0);
                    Command(window, IDC_FORMAT, CBN_SELCHANGE);
                    break;
                case 4: {
                    const WPARAM id = pick(0, 3) ? huevane::HOTKEY_ID : static_cast<WPARAM>(random());
                    EXPECT_EQ(HotKey(window, id), id == huevane::HOTKEY_ID ? 0 : 1) << "identifier " << id;
                    if (id == huevane::HOTKEY_ID) expected.captured = std::min(expected.captured + 1, 5);
                    break;
                }
                case 5:
                    if (pick(0, 20) == 0) ::SendMessageA(window, WM_TIMER, static_cast<WPARAM>(random()), 0);
                    break;
                case 6: {
                    // System commands that neither open the About box nor close or move the window.
                    const WPARAM id =
                        pick(0, 1) ? static_cast<WPARAM>(pick(0, 15)) : static_cast<WPARAM>(pick(32, 0xEFFF));
                    ::SendMessageA(window, WM_SYSCOMMAND, id, 0);
                    break;
                }
                case 7:
                    ::SendMessageA(::GetDlgItem(window, IDC_HOTKEY), HKM_SETHOTKEY,
                                   MAKEWORD(pick(0, 255), pick(0, 15)), 0);
                    break;
            }
            if (message % 5000 == 0) {
                ExpectShown(window, expected);
                PumpMessages();
            }
            if (::testing::Test::HasFailure()) FAIL() << "after message " << message;
        }
        ExpectShown(window, expected);

        // Still samples.
        Command(window, ID_TIMER_START);
        EXPECT_TRUE(TimerWritesPosition(window));
    });
}

}  // namespace
}  // namespace huevane_test
