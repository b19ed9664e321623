// Window wrappers: plain window-handle holders that own nothing.
//   CWnd         any window: text, enabled state, position, timers, menus
//   CStatic, CButton, CEdit, CComboBox, CHotKeyCtrl   controls of a dialog
#pragma once
#include <windows.h>

// After windows.h, which it needs.
#include <commctrl.h>

#include <string>

class CWnd {
public:
    CWnd() = default;
    explicit CWnd(HWND window) : m_hWnd(window) {}

    // Attributes
    HWND GetSafeHwnd() const { return m_hWnd; }
    CWnd GetDlgItem(int id) const { return CWnd(::GetDlgItem(m_hWnd, id)); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    // The whole text, of any length.
    std::string GetWindowText() const {
        std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(m_hWnd)) + 1, '\0');
        text.resize(
            static_cast<std::size_t>(::GetWindowTextA(m_hWnd, text.data(), static_cast<int>(text.size()))));
        return text;
    }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    HMENU GetMenu() const { return ::GetMenu(m_hWnd); }
    HMENU GetSystemMenu(BOOL revert) const { return ::GetSystemMenu(m_hWnd, revert); }

    // Operations
    void Attach(HWND window) { m_hWnd = window; }
    BOOL EnableWindow(BOOL enable) { return ::EnableWindow(m_hWnd, enable); }
    void SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageA(m_hWnd, message, wParam, lParam);
    }
    int MessageBox(const char* text, const char* caption, UINT type) const {
        return ::MessageBoxA(m_hWnd, text, caption, type);
    }
    BOOL SetMenu(HMENU menu) { return ::SetMenu(m_hWnd, menu); }
    BOOL SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
        return ::SetWindowPos(m_hWnd, insertAfter, x, y, cx, cy, flags);
    }
    void InvalidateRect(const RECT* rect, BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, rect, erase); }
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse) { return ::SetTimer(m_hWnd, id, elapse, nullptr); }
    BOOL KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }
    HICON SetIcon(HICON icon, BOOL big) {
        return reinterpret_cast<HICON>(
            SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
    }

    HWND m_hWnd = nullptr;
};

class CStatic : public CWnd {};
class CButton : public CWnd {};

class CEdit : public CWnd {
public:
    void SetSel(int start, int end) { SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end); }
    void ScrollCaret() { SendMessage(EM_SCROLLCARET); }
    void Copy() { SendMessage(WM_COPY); }
};

class CComboBox : public CWnd {
public:
    int AddString(const char* text) {
        return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    int SetCurSel(int index) {
        return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index)));
    }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
};

class CHotKeyCtrl : public CWnd {
public:
    void SetHotKey(WORD virtualKey, WORD modifiers) {
        SendMessage(HKM_SETHOTKEY, MAKEWORD(virtualKey, modifiers));
    }
    void SetRules(WORD invalidCombinations, WORD modifiers) {
        SendMessage(HKM_SETRULES, invalidCombinations, MAKELPARAM(modifiers, 0));
    }
    void GetHotKey(WORD& virtualKey, WORD& modifiers) const {
        const DWORD value = static_cast<DWORD>(SendMessage(HKM_GETHOTKEY));
        virtualKey = LOBYTE(LOWORD(value));
        modifiers = HIBYTE(LOWORD(value));
    }
};
