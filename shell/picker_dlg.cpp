#include "picker_dlg.h"

#include <utility>

#include "about_dlg.h"
#include "capture_history.h"
#include "help_dlg.h"
#include "hot_key_binding.h"
#include "icon_origin.h"
#include "readout_format.h"
#include "start_up.h"
#include "view_options.h"

// clang-format off
BEGIN_MESSAGE_MAP(CPickerDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_CBN_SELCHANGE(IDC_FORMAT, OnSelchangeFormat)
    ON_BN_CLICKED(IDC_COPY, OnCopy)
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_COMMAND(ID_OPTIONS_ZOOM, OnOptionsZoom)
    ON_COMMAND(ID_OPTIONS_HOTKEYS, OnOptionsHotKeys)
    ON_COMMAND(ID_TIMER_START, OnTimerStart)
    ON_COMMAND(ID_TIMER_STOP, OnTimerStop)
    ON_COMMAND(ID_OPTIONS_ONTOP, OnOptionsOnTop)
    ON_COMMAND(ID_HELP_ABOUT, OnHelpAbout)
    ON_COMMAND(ID_HELP_HELP, OnHelpHelp)
    ON_BN_CLICKED(IDC_SET_HOTKEY, OnSetHotKey)
    ON_COMMAND(ID_SCALE_2X, OnScale2x)
    ON_COMMAND(ID_SCALE_4X, OnScale4x)
    ON_COMMAND(ID_SCALE_8X, OnScale8x)
    ON_BN_CLICKED(IDC_SLOT1, OnSlot1)
    ON_BN_CLICKED(IDC_SLOT2, OnSlot2)
    ON_BN_CLICKED(IDC_SLOT3, OnSlot3)
    ON_BN_CLICKED(IDC_SLOT4, OnSlot4)
    ON_BN_CLICKED(IDC_SLOT5, OnSlot5)
    ON_MESSAGE(WM_HOTKEY, OnHotKey)
END_MESSAGE_MAP()
// clang-format on

CPickerDlg::CPickerDlg(CWnd* pParent)
    : CDialog(IDD_PICKER_DIALOG, pParent),
      m_hIcon(::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME))),
      m_accessible([this](int controlId) { return DescribeControl(controlId); },
                   [this](int controlId) { ControlFocusLeft(controlId); }) {}

void CPickerDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SWATCH5, m_swatch5);
    DDX_Control(pDX, IDC_SWATCH4, m_swatch4);
    DDX_Control(pDX, IDC_SWATCH3, m_swatch3);
    DDX_Control(pDX, IDC_SWATCH2, m_swatch2);
    DDX_Control(pDX, IDC_SWATCH1, m_swatch1);
    DDX_Control(pDX, IDC_SLOT5, m_slot5);
    DDX_Control(pDX, IDC_SLOT4, m_slot4);
    DDX_Control(pDX, IDC_SLOT3, m_slot3);
    DDX_Control(pDX, IDC_SLOT2, m_slot2);
    DDX_Control(pDX, IDC_SLOT1, m_slot1);
    DDX_Control(pDX, IDC_HOTKEY, m_hotKeyCtrl);
    DDX_Control(pDX, IDC_VALUE_EDIT, m_valueEdit);
    DDX_Control(pDX, IDC_ZOOM, m_zoomView);
    DDX_Control(pDX, IDC_PREVIEW, m_preview);
    DDX_Control(pDX, IDC_LIVE_VALUE, m_liveValue);
    DDX_Control(pDX, IDC_POSITION, m_position);
    DDX_Control(pDX, IDC_FORMAT, m_formatList);
}

BOOL CPickerDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    NameControls();
    m_announcer.Create(m_hWnd);

    if (HMENU systemMenu = GetSystemMenu(FALSE)) {
        CString about;
        about.LoadString(IDS_ABOUTBOX);
        if (!about.IsEmpty()) {
            ::AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
            ::AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, about);
        }
    }

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    m_menu.Attach(::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MENU)));
    SetMenu(m_menu.GetSafeHmenu());
    MakeRoomForWrappedMenuBar();
    RECT client{};
    GetClientRect(&client);
    m_openedClientWidth = client.right;
    m_openedClientHeight = client.bottom;
    m_openedDpi = DpiOfWindow(m_hWnd);

    AskScreenBounds();
    CarryOut(huevane::InitialiseDialog(m_state));
    CarryOut(huevane::CheckScreen(m_state));
    m_unseenNotices.Register(m_hWnd);
    CarryOut(huevane::OnSessionRead(m_state, ReadSession()));
    return TRUE;
}

// The menu bar takes its height out of the client area. Where the window is
// too narrow for the bar in one row (at a scale where the menu font grows
// more than the dialog's), the further rows would cut off the controls at
// the bottom: the window grows by their height.
void CPickerDlg::MakeRoomForWrappedMenuBar() {
    const int last = ::GetMenuItemCount(m_menu.GetSafeHmenu()) - 1;
    RECT firstItem{};
    RECT lastItem{};
    if (last <= 0 || !::GetMenuItemRect(m_hWnd, m_menu.GetSafeHmenu(), 0, &firstItem) ||
        !::GetMenuItemRect(m_hWnd, m_menu.GetSafeHmenu(), static_cast<UINT>(last), &lastItem)) {
        return;
    }
    const int furtherRows = lastItem.top - firstItem.top;
    if (furtherRows <= 0) return;
    RECT window{};
    ::GetWindowRect(m_hWnd, &window);
    SetWindowPos(nullptr, 0, 0, window.right - window.left, window.bottom - window.top + furtherRows,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The window's size at a scale, told to the system before a change of scale
// so that the rectangle it suggests (where the window keeps its place by the
// pointer and the screens) is already right: the client area it opened with,
// at that scale, in the frame and one menu row of that scale.
SIZE CPickerDlg::SizeAtScale(UINT dpi) const {
    const auto scaled = [&](int length) {
        return ::MulDiv(length, static_cast<int>(dpi), static_cast<int>(m_openedDpi));
    };
    const RECT window = WindowRectForClient(
        RECT{0, 0, scaled(m_openedClientWidth), scaled(m_openedClientHeight)}, m_hWnd, dpi);
    return {window.right - window.left, window.bottom - window.top};
}

// After a change of scale the menu bar can take another number of rows than
// the one that the suggested size allowed for, which only the laid-out bar
// tells: the client area is given the height it opened with, at the new
// scale, below however many rows the bar takes, the window staying where it
// is. Its height then depends on the scale alone, and changes back and forth
// do not make it grow. Minimised, it has no size to fit until it is
// restored.
void CPickerDlg::FitToScale(UINT dpi) {
    if (IsIconic()) {
        m_dpiToFitAtRestore = dpi;
        return;
    }
    RECT window{};
    RECT client{};
    ::GetWindowRect(m_hWnd, &window);
    GetClientRect(&client);
    const int clientHeight =
        ::MulDiv(m_openedClientHeight, static_cast<int>(dpi), static_cast<int>(m_openedDpi));
    if (client.bottom == clientHeight) return;
    SetWindowPos(nullptr, 0, 0, window.right - window.left,
                 window.bottom - window.top - client.bottom + clientHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Restored after a change of scale while minimised: the window comes back
// with the size of the scale it had, and is given that of its scale now.
void CPickerDlg::FitAtRestore() {
    if (m_dpiToFitAtRestore == 0 || IsIconic()) return;
    const UINT dpi = std::exchange(m_dpiToFitAtRestore, 0);
    const SIZE size = SizeAtScale(dpi);
    SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    FitToScale(dpi);
}

// The statics that the tick draws into tell when the system repaints them:
// each asks its dialog for its colours as it paints its plain background.
// A change of the display (a monitor added, a resolution raised) is told to
// every top-level window, and may leave the screen readable or not, as a
// restore may. Being minimised and restored comes as a change of size; the
// session's and the display's states come as their notices. A change of the
// system's text size changes the menu font. A change of scale is fitted once
// the system has handled it. A notice, and the user's touch, have the
// session's state read again.
LRESULT CPickerDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETDPISCALEDSIZE) {
        *reinterpret_cast<SIZE*>(lParam) = SizeAtScale(static_cast<UINT>(wParam));
        return TRUE;
    }
    if (message == WM_DPICHANGED) {
        const LRESULT result = CDialog::WindowProc(message, wParam, lParam);
        FitToScale(HIWORD(wParam));
        return result;
    }
    if (message == WM_SETTINGCHANGE && wParam == SPI_SETNONCLIENTMETRICS) {
        const LRESULT result = CDialog::WindowProc(message, wParam, lParam);
        // The menu font has followed the system's text size: the frame is
        // measured again, and the bar may take another number of rows.
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        FitToScale(DpiOfWindow(m_hWnd));
        return result;
    }
    if (message == kTellMessage) {
        TellUntold();
        return 0;
    }
    if (message == WM_DISPLAYCHANGE) AskScreenBounds();
    if (message == WM_SIZE) {
        CarryOut(huevane::OnMinimisedChanged(m_state, wParam == SIZE_MINIMIZED));
        FitAtRestore();
    }
    if (message == WM_DISPLAYCHANGE || (message == WM_SIZE && wParam == SIZE_RESTORED)) {
        CarryOut(huevane::CheckScreen(m_state));
    }
    if (message == WM_WTSSESSION_CHANGE) {
        CarryOut(
            huevane::OnSessionChange(m_state, wParam, static_cast<std::uint32_t>(lParam), ReadSession()));
    }
    // Its setting is read where the system sent it: a posted one is dropped
    // before it comes here.
    if (message == WM_POWERBROADCAST && wParam == PBT_POWERSETTINGCHANGE && lParam) {
        const auto& setting = *reinterpret_cast<const POWERBROADCAST_SETTING*>(lParam);
        if (const std::optional<DisplayState> display = DisplayStateOf(setting)) {
            CarryOut(huevane::OnDisplayChange(
                m_state, display->state,
                display->consoleMonitor ? huevane::DisplayOf::ConsoleMonitor : huevane::DisplayOf::Session,
                ReadSession()));
        }
    }
    if (IsUserTouch(message, lParam)) CarryOut(huevane::OnTouched(m_state, ReadSession()));
    if (message == WM_DESTROY) {
        const LRESULT result = CDialog::WindowProc(message, wParam, lParam);
        m_unseenNotices.Unregister();
        return result;
    }
    if (message == WM_CTLCOLORSTATIC) {
        const HWND control = reinterpret_cast<HWND>(lParam);
        if (control == m_preview.m_hWnd) m_shownViews.Repainted(huevane::View::Preview);
        if (control == m_zoomView.m_hWnd) m_shownViews.Repainted(huevane::View::Zoom);
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

// The session as it is now, in the rules' terms.
huevane::SessionReading CPickerDlg::ReadSession() const {
    const std::optional<SessionStateRead> read = m_unseenNotices.ReadSessionState();
    return huevane::SessionReading{
        .state = read ? std::optional(huevane::SessionState{.connectState = read->connectState,
                                                            .lockFlags = read->lockFlags,
                                                            .lockFlagsReversed = read->lockFlagsReversed})
                      : std::nullopt,
        .ownSession = OwnSessionId(),
        .consoleSession = ::WTSGetActiveConsoleSessionId()};
}

void CPickerDlg::OnSysCommand(UINT nID, LPARAM) {
    // The platform keeps the low four bits of a system command for itself.
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
    } else {
        Default();
    }
}

void CPickerDlg::OnPaint() {
    if (!IsIconic()) {
        Default();
        return;
    }
    CPaintDC dc(m_hWnd);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    RECT client{};
    GetClientRect(&client);
    const huevane::Point origin =
        huevane::MinimisedIconOrigin(client.right - client.left, client.bottom - client.top,
                                     ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON));
    ::DrawIcon(dc, origin.x, origin.y, m_hIcon);
}

HCURSOR CPickerDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }

void CPickerDlg::OnSelchangeFormat() {
    CarryOut(huevane::OnSelchangeFormat(m_state, m_formatList.GetCurSel()));
}

// The user may have typed any text of any length into the box.
void CPickerDlg::OnCopy() { CarryOut(huevane::OnCopy(m_state, m_valueEdit.GetWindowText())); }

void CPickerDlg::OnDestroy() {
    CDialog::OnDestroy();
    CarryOut(huevane::CloseDialog());
}

void CPickerDlg::OnOptionsZoom() { CarryOut(huevane::OnOptionsZoom(m_state)); }
void CPickerDlg::OnOptionsHotKeys() { CarryOut(huevane::OnOptionsHotKeys(m_state)); }
void CPickerDlg::OnTimerStart() { CarryOut(huevane::OnTimerStart(m_state)); }
void CPickerDlg::OnTimerStop() { CarryOut(huevane::OnTimerStop(m_state)); }
void CPickerDlg::OnOptionsOnTop() { CarryOut(huevane::OnOptionsOnTop(m_state)); }

void CPickerDlg::OnHelpAbout() {
    CAboutDlg about;
    about.DoModal();
}

void CPickerDlg::OnHelpHelp() {
    CHelpDlg help(nullptr);
    help.DoModal();
}

void CPickerDlg::OnSetHotKey() {
    // Reading the control does not depend on the registration, so it comes
    // first; the rules then release the old hot key and register the new one.
    WORD virtualKey = 0;
    WORD flags = 0;
    m_hotKeyCtrl.GetHotKey(virtualKey, flags);
    CarryOut(huevane::OnSetHotKey(m_state, virtualKey, flags));
}

void CPickerDlg::OnScale2x() { CarryOut(huevane::OnScale2x(m_state)); }
void CPickerDlg::OnScale4x() { CarryOut(huevane::OnScale4x(m_state)); }
void CPickerDlg::OnScale8x() { CarryOut(huevane::OnScale8x(m_state)); }

void CPickerDlg::OnSlot1() { CarryOut(huevane::OnSlot(m_state, 1)); }
void CPickerDlg::OnSlot2() { CarryOut(huevane::OnSlot(m_state, 2)); }
void CPickerDlg::OnSlot3() { CarryOut(huevane::OnSlot(m_state, 3)); }
void CPickerDlg::OnSlot4() { CarryOut(huevane::OnSlot(m_state, 4)); }
void CPickerDlg::OnSlot5() { CarryOut(huevane::OnSlot(m_state, 5)); }

// The hot key is the user's touch too: only this window registers one.
LRESULT CPickerDlg::OnHotKey(WPARAM wParam, LPARAM) {
    CarryOut(huevane::OnTouched(m_state, ReadSession()));
    huevane::HotKeyResult hotKey = huevane::OnHotKey(m_state, wParam);
    CarryOut(hotKey.effects);
    return hotKey.result;
}
