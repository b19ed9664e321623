#include "dialog_harness.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace huevane_test {

namespace {

struct Pending {
    CDialog* dialog = nullptr;
    const std::function<void(HWND)>* body = nullptr;
};
Pending pending;

std::string* closeSeen = nullptr;
std::function<void(HWND)> insideNext;
// The dialogs open when the next one was asked for: the picker itself is one.
std::vector<HWND> openBefore;

void CALLBACK RunBody(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    const Pending run = pending;
    pending = {};
    (*run.body)(run.dialog->m_hWnd);
    if (run.dialog->m_hWnd) ::SendMessageA(run.dialog->m_hWnd, WM_COMMAND, IDCANCEL, 0);
}

bool IsDialog(HWND window) {
    char className[16] = {};
    ::GetClassNameA(window, className, sizeof className);
    return std::string(className) == "#32770";
}

BOOL CALLBACK FindOpenDialogs(HWND window, LPARAM) {
    if (IsDialog(window)) openBefore.push_back(window);
    return TRUE;
}

BOOL CALLBACK FindNextDialog(HWND window, LPARAM found) {
    if (IsDialog(window) && ::IsWindowEnabled(window) && ::IsWindowVisible(window) &&
        std::find(openBefore.begin(), openBefore.end(), window) == openBefore.end()) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK CloseDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND found = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindNextDialog, reinterpret_cast<LPARAM>(&found));
    if (!found) return;  // not open yet: try again at the next tick
    ::KillTimer(nullptr, timer);
    if (closeSeen) *closeSeen = WindowText(found);
    if (insideNext) std::exchange(insideNext, nullptr)(found);
    ::SendMessageA(found, WM_COMMAND, IDCANCEL, 0);
}

}  // namespace

INT_PTR RunInDialog(CDialog& dialog, const std::function<void(HWND)>& body) {
    pending = {&dialog, &body};
    ::SetTimer(nullptr, 0, 1, &RunBody);
    return dialog.DoModal();
}

void PumpMessages(DWORD ms) {
    const DWORD end = ::GetTickCount() + ms;
    do {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        if (ms) ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (static_cast<LONG>(end - ::GetTickCount()) > 0);
}

bool PumpUntil(const std::function<bool()>& done, DWORD ms) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        PumpMessages(1);
        if (done()) return true;
        if (::GetTickCount() - start > ms) return false;
    }
}

void CloseNextDialog(std::string* seen) {
    closeSeen = seen;
    openBefore.clear();
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindOpenDialogs, 0);
    ::SetTimer(nullptr, 0, 10, &CloseDialog);
}

void InNextDialog(const std::function<void(HWND)>& inside) {
    insideNext = inside;
    CloseNextDialog(nullptr);
}

bool IsChecked(HWND dialog, UINT command) {
    return (::GetMenuState(::GetMenu(dialog), command, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void Command(HWND dialog, UINT id, UINT code) {
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, static_cast<int>(id))));
}

void Click(HWND dialog, int id) { Command(dialog, static_cast<UINT>(id), BN_CLICKED); }

std::string ClipboardText() {
    std::string text;
    if (!::OpenClipboard(nullptr)) return text;
    if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
        if (const char* chars = static_cast<const char*>(::GlobalLock(data))) {
            text = chars;
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return text;
}

RECT WindowRect(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return rect;
}

RECT ClientRect(HWND window) {
    RECT rect{};
    ::GetClientRect(window, &rect);
    return rect;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

}  // namespace huevane_test
