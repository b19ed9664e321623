#include "dialog.h"

#include <utility>

#include "app.h"
#include "box_placement.h"

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    control.Attach(::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, id));
}

const MessageMap* CDialog::GetThisMessageMap() {
    static const MessageMapEntry entries[] = {
        {WM_COMMAND, 0, IDOK, &message_map::Plain<&CDialog::OnOK>},
        {WM_COMMAND, 0, IDCANCEL, &message_map::Plain<&CDialog::OnCancel>},
        {0, 0, 0, nullptr},
    };
    static const MessageMap map{[]() -> const MessageMap* { return nullptr; }, entries};
    return &map;
}

// The box runs in a loop of its own rather than the system's modal loop,
// which asks the queue once more each time it runs dry: each wake-up, as
// each sampling tick of the main window, costs one request to the window
// system fewer.
INT_PTR CDialog::DoModal() {
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (!owner) {
        const CWnd* main = AfxGetApp() ? AfxGetApp()->m_pMainWnd : nullptr;
        if (main && main != this) owner = main->m_hWnd;
    }
    m_nResult.reset();
    // The owner takes no input while the box is open; it is enabled again
    // before the box goes, on every path, so that it becomes the active
    // window again.
    m_hDisabledOwner = owner && !::EnableWindow(owner, FALSE) ? owner : nullptr;
    if (::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nIDTemplate), owner, &DialogProc,
                             reinterpret_cast<LPARAM>(this))) {
        RunModalLoop();
    }
    EnableOwner();
    if (m_hWnd) ::DestroyWindow(m_hWnd);
    return m_nResult.value_or(-1);
}

void CDialog::RunModalLoop() {
    // A box whose template is visible was shown as it was created, and that
    // first show took the state that the starting program asked for (a
    // shortcut's "Run: Minimized"): as the dialog manager, only a box not
    // shown yet is shown here.
    if (!m_nResult && !::IsWindowVisible(m_hWnd)) ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
    MSG msg;
    while (!m_nResult && m_hWnd) {
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == -1) return;
        // A quit ends the box and is left for the loop around it.
        if (got == 0) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (!::IsDialogMessageA(m_hWnd, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

// The owner is enabled first, so that it is the window activated as the box
// is hidden. A box ended by a message that another thread sent (a click on
// OK from an automation tool) is ended inside GetMessage, which returns only
// for a posted message: the loop is woken with one.
void CDialog::EndDialog(int result) {
    m_nResult = result;
    EnableOwner();
    ::ShowWindow(m_hWnd, SW_HIDE);
    ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
}

void CDialog::EnableOwner() {
    if (m_hDisabledOwner) ::EnableWindow(std::exchange(m_hDisabledOwner, nullptr), TRUE);
}

BOOL CDialog::OnInitDialog() {
    CDataExchange exchange(this, FALSE);
    DoDataExchange(&exchange);
    return TRUE;
}

LRESULT CDialog::Default() {
    return ::CallWindowProcA(m_defaultProc, m_hWnd, m_current.message, m_current.wParam, m_current.lParam);
}

// Only the first WM_INITDIALOG is handled here: it binds the object to its
// window and takes the window's messages into SubclassProc, which hands what
// it does not handle back to the dialog's own procedure and so to this one. A
// window already bound keeps its binding: subclassing it again would make
// SubclassProc its own default procedure.
INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_INITDIALOG || ::GetWindowLongPtrA(window, GWLP_USERDATA) != 0) return FALSE;
    auto* self = reinterpret_cast<CDialog*>(lParam);
    self->m_hWnd = window;
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    // Through a WNDPROC first, so that a procedure of the wrong calling
    // convention does not compile.
    const WNDPROC subclassProc = &SubclassProc;
    self->m_defaultProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(subclassProc)));
    self->m_current = {message, wParam, lParam};
    const BOOL result = self->OnInitDialog();
    self->CentreOverOwner();
    return result;
}

LRESULT CALLBACK CDialog::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    // Once the object has let go of its window, the dialog's own handling.
    if (!self) return ::DefDlgProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // Destroyed without EndDialog: the owner takes input again as it goes.
        self->EnableOwner();
        const LRESULT result = ::CallWindowProcA(self->m_defaultProc, window, message, wParam, lParam);
        ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->m_hWnd = nullptr;
        return result;
    }
    return self->WindowProc(message, wParam, lParam);
}

const MessageMapEntry* CDialog::FindEntry(UINT message, WPARAM wParam) const {
    for (const MessageMap* map = GetMessageMap(); map; map = map->base()) {
        for (const MessageMapEntry* entry = map->entries; entry->handler; ++entry) {
            if (message == WM_COMMAND) {
                if (entry->message == WM_COMMAND && entry->id == LOWORD(wParam) &&
                    entry->code == HIWORD(wParam)) {
                    return entry;
                }
            } else if (entry->message == message ||
                       (entry->message == WM_CTLCOLOR && message >= WM_CTLCOLORMSGBOX &&
                        message <= WM_CTLCOLORSTATIC)) {
                return entry;
            }
        }
    }
    return nullptr;
}

// A command is carried out only as the user can give it: from an enabled
// control, and not while a box disables the window (so another program's
// posted commands open no box over a box). The system's own commands, and
// OK and Cancel, which the ways of closing give, keep their handling.
bool CDialog::RefusesCommand(UINT message, WPARAM wParam) const {
    if (message == WM_SYSCOMMAND) return (wParam & 0xFFF0) < SC_SIZE && !::IsWindowEnabled(m_hWnd);
    if (message != WM_COMMAND) return false;
    const UINT id = LOWORD(wParam);
    if (id == IDOK || id == IDCANCEL) return false;
    if (!::IsWindowEnabled(m_hWnd)) return true;
    const HWND control = ::GetDlgItem(m_hWnd, static_cast<int>(id));
    return control && !::IsWindowEnabled(control);
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (RefusesCommand(message, wParam)) return 0;
    const MessageMapEntry* entry = FindEntry(message, wParam);
    LRESULT result = 0;
    if (entry) {
        // Handlers may open nested modal loops: keep the outer message for Default.
        const Message outer = m_current;
        m_current = {message, wParam, lParam};
        result = entry->handler(*this, message, wParam, lParam);
        m_current = outer;
    } else {
        result = ::CallWindowProcA(m_defaultProc, m_hWnd, message, wParam, lParam);
    }
    // A change of scale in place gives a box over an owner the size and place
    // that the system suggests, which can reach past the edge of its screen.
    // One that comes while the user drags the box to another screen leaves it
    // under the pointer, where the system put it.
    if (message == WM_ENTERSIZEMOVE) m_bInMoveLoop = true;
    if (message == WM_EXITSIZEMOVE) m_bInMoveLoop = false;
    if (message == WM_DPICHANGED && !m_bInMoveLoop && ::GetWindow(m_hWnd, GW_OWNER)) KeepWithinItsWorkArea();
    return result;
}

namespace {

huevane::Rect RectOf(const RECT& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

RECT CDialog::WorkAreaOf(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!::GetMonitorInfoA(monitor, &info)) ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &info.rcWork, 0);
    return info.rcWork;
}

// Centred over the owner and kept within the work area of the monitor that
// holds most of the owner; without a visible owner, within the primary
// monitor's.
void CDialog::CentreOverOwner() {
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    const bool overOwner = owner && ::IsWindowVisible(owner) && !::IsIconic(owner);
    const RECT work = WorkAreaOf(overOwner ? ::MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST)
                                           : ::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY));
    RECT area = work;
    if (overOwner) ::GetWindowRect(owner, &area);
    RECT rect{};
    ::GetWindowRect(m_hWnd, &rect);
    MoveTo(rect,
           huevane::CentredOver(RectOf(area), rect.right - rect.left, rect.bottom - rect.top, RectOf(work)));
}

void CDialog::KeepWithinItsWorkArea() {
    RECT rect{};
    ::GetWindowRect(m_hWnd, &rect);
    const RECT work = WorkAreaOf(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST));
    MoveTo(rect, huevane::KeptWithin(RectOf(rect), RectOf(work)));
}

void CDialog::MoveTo(const RECT& rect, huevane::Point topLeft) {
    if (topLeft.x == rect.left && topLeft.y == rect.top) return;
    ::SetWindowPos(m_hWnd, nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace message_map {

LRESULT CallCtlColor(CDialog& self, UINT message, WPARAM wParam, LPARAM lParam,
                     HBRUSH (*call)(CDialog&, CDC*, CWnd*, UINT)) {
    CDC dc(reinterpret_cast<HDC>(wParam));
    CWnd control(reinterpret_cast<HWND>(lParam));
    return reinterpret_cast<LRESULT>(call(self, &dc, &control, message - WM_CTLCOLORMSGBOX));
}

}  // namespace message_map
