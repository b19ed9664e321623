// The tick draws the preview and the zoom view only when what they should
// show differs from what they show: a still scene costs no drawing, and a
// repaint by the system is followed by a drawing at the next tick.
#include <gtest/gtest.h>

#include <functional>

#include "picker_window.h"
#include "scene.h"

namespace huevane_test {
namespace {

constexpr COLORREF kPainted = RGB(1, 2, 3);

POINT MiddleOf(HWND control) {
    RECT client{};
    ::GetClientRect(control, &client);
    // A quarter of the way in: off the cross-hair, which is in the middle.
    return {client.right / 4, client.bottom / 4};
}

COLORREF Shown(HWND window, int id) {
    HWND control = ::GetDlgItem(window, id);
    const POINT at = MiddleOf(control);
    return ClientPixel(control, at.x, at.y);
}

bool BothViewsShow(HWND window, COLORREF colour) {
    return Shown(window, IDC_PREVIEW) == colour && Shown(window, IDC_ZOOM) == colour;
}

bool NeitherViewShows(HWND window, COLORREF colour) {
    return Shown(window, IDC_PREVIEW) != colour && Shown(window, IDC_ZOOM) != colour;
}

// Paints both views behind the program's back, as if nothing had been drawn.
void PaintOver(HWND window) {
    for (int id : {IDC_PREVIEW, IDC_ZOOM}) {
        HWND control = ::GetDlgItem(window, id);
        HDC dc = ::GetDC(control);
        RECT client{};
        ::GetClientRect(control, &client);
        HBRUSH brush = ::CreateSolidBrush(kPainted);
        ::FillRect(dc, &client, brush);
        ::DeleteObject(brush);
        ::ReleaseDC(control, dc);
    }
}

// The texts written into the window's controls, seen as their messages.
HWND textsOf = nullptr;
int textsWritten = 0;
LRESULT CALLBACK CountTextWrite(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_SETTEXT && ::GetParent(call->hwnd) == textsOf)
        ++textsWritten;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

class Redraw : public PickerWindow {
protected:
    // The main window over a still scene, the timer stopped, both views
    // drawn and then left as they are by a tick that had nothing to do.
    void RunStill(const std::function<void(HWND, CPickerDlg&)>& body) {
        Scene scene({0, 0, 300, 300}, 150, kSceneLeft, kSceneLeft);
        Run([&](HWND window, CPickerDlg& dlg) {
            Command(window, ID_TIMER_STOP);
            ::SetCursorPos(100, 100);
            // The window's first showing is painted when X has mapped it,
            // and the views drawn at the tick after that.
            ASSERT_TRUE(PumpUntil([&] {
                Tick(window);
                return BothViewsShow(window, kSceneLeft);
            })) << "the views never showed the scene";
            Tick(window);
            body(window, dlg);
        });
    }
};

TEST_F(Redraw, AStillSceneCostsNoDrawing) {
    RunStill([](HWND window, CPickerDlg& dlg) {
        const HPEN pen = dlg.CrossPen();
        PaintOver(window);
        textsOf = window;
        textsWritten = 0;
        HHOOK hook = ::SetWindowsHookExA(WH_CALLWNDPROC, &CountTextWrite, nullptr, ::GetCurrentThreadId());
        for (int tick = 0; tick < 5; ++tick) Tick(window);
        EXPECT_EQ(textsWritten, 0) << "a text was written again";
        EXPECT_EQ(Shown(window, IDC_PREVIEW), kPainted) << "the preview was drawn again";
        EXPECT_EQ(Shown(window, IDC_ZOOM), kPainted) << "the zoom view was drawn again";
        EXPECT_EQ(dlg.CrossPen(), pen) << "a cross-hair was drawn";

        // The pointer moves: the view and the position follow; the colour
        // under it is the same, so the preview and the live text still show it.
        ::SetCursorPos(101, 100);
        Tick(window);
        ::UnhookWindowsHookEx(hook);
        EXPECT_EQ(textsWritten, 1) << "the position alone";
        EXPECT_EQ(Shown(window, IDC_ZOOM), kSceneLeft);
        EXPECT_NE(dlg.CrossPen(), pen);
        EXPECT_EQ(Shown(window, IDC_PREVIEW), kPainted);
    });
}

// Each way the system repaints the views blanks them; the next tick draws
// them again.
TEST_F(Redraw, ARepaintIsFollowedByADrawingWithinOneTick) {
    struct Repaint {
        const char* name;
        std::function<void(HWND)> act;
    };
    const Repaint repaints[] = {
        {"Enable Zoom twice",
         [](HWND window) {
             Command(window, ID_OPTIONS_ZOOM);
             Command(window, ID_OPTIONS_ZOOM);
         }},
        {"minimise and restore",
         [](HWND window) {
             ::SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
             PumpUntil([&] { return ::IsIconic(window) != FALSE; });
             ::SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
         }},
        // What uncovering the views does, where the system keeps no copy of
        // what a window covered (without desktop composition).
        {"the views uncovered",
         [](HWND window) {
             for (int view : {IDC_PREVIEW, IDC_ZOOM}) {
                 ::RedrawWindow(::GetDlgItem(window, view), nullptr, nullptr,
                                RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
             }
         }},
    };
    for (const Repaint& repaint : repaints) {
        SCOPED_TRACE(repaint.name);
        RunStill([&](HWND window, CPickerDlg&) {
            repaint.act(window);
            EXPECT_TRUE(PumpUntil([&] { return NeitherViewShows(window, kSceneLeft); }))
                << "the repaint left a view";
            Tick(window);
            EXPECT_TRUE(PumpUntil([&] { return BothViewsShow(window, kSceneLeft); }))
                << "a view was not drawn again";
        });
    }
}

}  // namespace
}  // namespace huevane_test
