#include "posted_messages.h"

bool CarriesPointer(UINT message) {
    switch (message) {
        case WM_CREATE:
        case WM_NCCREATE:
        case WM_SETTEXT:
        case WM_GETTEXT:
        case WM_GETMINMAXINFO:
        case WM_WINDOWPOSCHANGING:
        case WM_WINDOWPOSCHANGED:
        case WM_NCCALCSIZE:
        case WM_STYLECHANGING:
        case WM_STYLECHANGED:
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
        case WM_DELETEITEM:
        case WM_COMPAREITEM:
        case WM_COPYDATA:
        case WM_NOTIFY:
        case WM_HELP:
        case WM_SETTINGCHANGE:
        case WM_GETDLGCODE:
        case WM_SIZING:
        case WM_MOVING:
        case WM_DPICHANGED:
        case WM_GETDPISCALEDSIZE:
        case WM_POWERBROADCAST: return true;
        default: return false;
    }
}

CPostedPointerFilter::CPostedPointerFilter()
    : m_hook(::SetWindowsHookExA(WH_GETMESSAGE, &Filter, nullptr, ::GetCurrentThreadId())) {}

// Called for each message that a loop of this thread takes from the queue:
// only posted messages come this way, never sent ones.
LRESULT CALLBACK CPostedPointerFilter::Filter(int code, WPARAM removed, LPARAM message) {
    auto* taken = reinterpret_cast<MSG*>(message);
    if (code == HC_ACTION && CarriesPointer(taken->message)) taken->message = WM_NULL;
    return ::CallNextHookEx(nullptr, code, removed, message);
}

int RunFiltered(const std::function<int()>& program) {
    const CPostedPointerFilter filter;
    if (!filter.Installed()) {
        ::MessageBoxA(
            nullptr,
            "Huevane cannot start safely: a filter of other programs' messages could not be installed.",
            "Huevane", MB_OK | MB_ICONERROR);
        return 1;
    }
    return program();
}
