// A fixture that opens the real main window for each test.
#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "dialog_harness.h"
#include "hot_key_binding.h"
#include "picker_dlg.h"
#include "view_options.h"

namespace huevane_test {

class PickerWindow : public ::testing::Test {
protected:
    // Opens the main window, as the application does, and runs `body` in it.
    INT_PTR Run(const std::function<void(HWND, CPickerDlg&)>& body) {
        CPickerDlg dlg;
        AfxGetApp()->m_pMainWnd = &dlg;
        // Till the screen check's first verdict the tick shows nothing; an
        // unseen window checks once it is seen.
        const INT_PTR result = RunInDialog(dlg, [&](HWND window) {
            if (huevane::TickReads(dlg.State())) PumpUntil([&] { return huevane::ShowsReads(dlg.State()); });
            body(window, dlg);
        });
        AfxGetApp()->m_pMainWnd = nullptr;
        return result;
    }
};

// The commands of the menu bar, in menu order: the same order as the rules'
// table of marks.
inline constexpr UINT kMenuCommands[] = {ID_OPTIONS_ZOOM, ID_OPTIONS_ONTOP, ID_OPTIONS_HOTKEYS, ID_HELP_ABOUT,
                                         ID_HELP_HELP,    ID_TIMER_START,   ID_TIMER_STOP,      ID_SCALE_2X,
                                         ID_SCALE_4X,     ID_SCALE_8X};

// Another program's hold on a combination, for as long as the object lives:
// a window that registers it, if it can.
class HeldElsewhere {
public:
    HeldElsewhere(UINT modifiers, UINT virtualKey);
    ~HeldElsewhere() { ::DestroyWindow(window_); }
    bool Held() const { return held_; }

private:
    HWND window_;
    bool held_;
};

// Whether another window could register this combination now: it cannot
// while the main window holds it.
inline bool CombinationIsFree(UINT modifiers, UINT virtualKey) {
    return HeldElsewhere(modifiers, virtualKey).Held();
}

bool IsTopmost(HWND window);

// How many numbered buttons are enabled, counted from button 1: one for each
// capture, up to five.
int EnabledSlotButtons(HWND window);

// The hot key's message as the platform sends it, with the given identifier;
// what the window answered.
inline LRESULT HotKey(HWND window, WPARAM id = huevane::HOTKEY_ID) {
    return ::SendMessageA(window, WM_HOTKEY, id, 0);
}

// One tick with the pointer where it is now, given rather than waited for.
inline void SendTick(HWND window) { ::SendMessageA(window, WM_TIMER, huevane::kSampleTimerId, 0); }

// A tick, then the messages it left, so that Wine's copy of what it drew
// reaches the screen.
inline void Tick(HWND window) {
    SendTick(window);
    PumpMessages(1);
}

// The zoom view as the template makes it at 96 DPI: a client area of 82 by
// 81 pixels, the picture in columns 1 to 80 of every row, the cross-hair in
// column 40 and row 40.
namespace zoom_at_96_dpi {
inline constexpr SIZE kClient{82, 81};
inline constexpr int kFirstColumn = 1;
inline constexpr int kLastColumn = 80;
inline constexpr int kCrossColumn = 40;
inline constexpr int kCrossRow = 40;
}  // namespace zoom_at_96_dpi

// Whether the sampling timer rewrites the position text, waited for as long
// as a busy machine may delay it.
bool TimerWritesPosition(HWND window);

// Handles messages until a timer of the sampling period, armed now on this
// thread, has fired `periods` times: however busy the machine, a sampling
// timer that still ran would have ticked in that time too. For checks that
// something did not happen.
void LetSamplingPeriodsPass(int periods = 10);

// The checked items of the menu bar by their texts, in menu order, as
// "Enable Zoom, Hot Keys, Start, 4X".
std::string MenuMarks(HWND window);

}  // namespace huevane_test
