// CPickerDlg: the main window. It owns the picker state for its whole life,
// hands every message of its map to the rules and carries out the effects
// that they return.
#pragma once

#include <optional>

#include "accessible_controls.h"
#include "announcer.h"
#include "effects.h"
#include "picker_state.h"
#include "platform.h"
#include "resource.h"
#include "sampling.h"
#include "screen_check.h"
#include "screen_square.h"
#include "shown_views.h"
#include "zoom_geometry.h"

class CPickerDlg : public CDialog {
public:
    // Construction
    explicit CPickerDlg(CWnd* pParent = nullptr);
    ~CPickerDlg() override = default;

    // Attributes
    // The picker state, for reading.
    const huevane::PickerState& State() const { return m_state; }
    // The pen of the last cross-hair drawn, if any.
    HPEN CrossPen() const { return m_crossPen.GetSafeHandle(); }
    // The bounds of all screens together, as the window last asked for them.
    const huevane::Rect& ScreenBounds() const { return m_screens; }

    DECLARE_MESSAGE_MAP()

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnSelchangeFormat();
    void OnCopy();
    void OnTimer(UINT_PTR nIDEvent);
    void OnDestroy();
    void OnOptionsZoom();
    void OnOptionsHotKeys();
    void OnTimerStart();
    void OnTimerStop();
    void OnOptionsOnTop();
    void OnHelpAbout();
    void OnHelpHelp();
    void OnSetHotKey();
    void OnScale2x();
    void OnScale4x();
    void OnScale8x();
    void OnSlot1();
    void OnSlot2();
    void OnSlot3();
    void OnSlot4();
    void OnSlot5();
    LRESULT OnHotKey(WPARAM wParam, LPARAM lParam);

private:
    // Carrying out the rules' effects, in their order.
    void CarryOut(const huevane::Effects& effects);
    void CarryOut(const huevane::Effect& effect);
    CWnd ControlWindow(huevane::Control control);
    // Flips the check mark of one item of the window's menu bar.
    void ToggleMenuCheck(int popup, int item);
    void AskScreenBounds();
    huevane::SessionReading ReadSession() const;
    void MakeRoomForWrappedMenuBar();
    SIZE SizeAtScale(UINT dpi) const;
    void FitToScale(UINT dpi);
    void FitAtRestore();
    huevane::COLORREF ReadColour(const CDC& screen, const huevane::ScreenRead& read,
                                 ScreenSquare::Copied copied) const;
    huevane::COLORREF ReadPixelForCapture() const;
    // Draws the zoom view, with the copied square `picture` where there is
    // one; false when the view gave no device context.
    bool DrawZoomView(huevane::Point pointer, HDC picture);
    void PaintSwatches(const std::array<huevane::COLORREF, 5>& colours);
    // Shows what the rules asked to tell, if it is not told yet.
    void TellUntold();
    // A step of the screen check's timer; where its probe goes.
    void OnScreenCheckStep();
    POINT ProbeAt() const;
    // The controls that assistive technology reads with the picker's names.
    void NameControls();
    std::optional<huevane::AccessibleDescription> DescribeControl(int controlId) const;
    void ControlFocusLeft(int controlId);
    void TellSlotNamesChanged();

    // Posted to the window when there is something to tell.
    static constexpr UINT kTellMessage = WM_APP;

    CStatic m_swatch5;
    CStatic m_swatch4;
    CStatic m_swatch3;
    CStatic m_swatch2;
    CStatic m_swatch1;
    CButton m_slot5;
    CButton m_slot4;
    CButton m_slot3;
    CButton m_slot2;
    CButton m_slot1;
    CHotKeyCtrl m_hotKeyCtrl;
    CEdit m_valueEdit;
    CStatic m_zoomView;
    CStatic m_preview;
    CStatic m_liveValue;
    CStatic m_position;
    CComboBox m_formatList;
    HICON m_hIcon;
    // The switches, history, current colour, format, capture count, scale
    // preset and hot key, in that order, with the rules' copy of the marks.
    huevane::PickerState m_state;
    CMenu m_menu;
    CPen m_crossPen;
    // The zoom source square of the last tick, in memory.
    ScreenSquare m_zoomSource;
    // The bounds of all screens together.
    huevane::Rect m_screens{};
    // What the preview and the zoom view show since the last tick drew them.
    huevane::ShownViews m_shownViews;
    // The client area when the window opened, below its menu bar, and the
    // scale it opened at.
    int m_openedClientWidth = 0;
    int m_openedClientHeight = 0;
    UINT m_openedDpi = kDefaultDpi;
    // The scale of a change that came while the window was minimised, if any.
    UINT m_dpiToFitAtRestore = 0;
    // What the rules asked to tell that the window has not told yet.
    std::optional<huevane::TellHotKeyRefused> m_untold;
    bool m_untoldScreenUnreadable = false;
    AccessibleControls m_accessible;
    // What the window says to the user, and the child window it says it from.
    Announcer m_announcer;
    // The session's and the display's notices, for as long as the window is.
    CUnseenNotices m_unseenNotices;
};
