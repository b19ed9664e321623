#include "announcer.h"

#include <new>

#include "platform/system_library.h"

namespace {

using ReturnProviderProc = LRESULT(WINAPI*)(HWND, WPARAM, LPARAM, IRawElementProviderSimple*);
using DisconnectProc = HRESULT(WINAPI*)(IRawElementProviderSimple*);
using RaiseNotificationProc = HRESULT(WINAPI*)(IRawElementProviderSimple*, int kind, int processing,
                                               BSTR text, BSTR activity);

// Looked up at each use, so that uiautomationcore is loaded only once there
// is something to say or a client asks.
template <class Proc>
Proc UiaProc(const char* name) {
    return SystemProc<Proc>("uiautomationcore.dll", name);
}

}  // namespace

Announcer::~Announcer() {
    if (window_) ::DestroyWindow(window_);
}

void Announcer::Create(HWND parent) {
    static const ATOM registered = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = &WindowProc;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kWindowClass;
        return ::RegisterClassA(&windowClass);
    }();
    if (!registered) return;
    ::CreateWindowExA(WS_EX_NOPARENTNOTIFY, kWindowClass, "", WS_CHILD | WS_VISIBLE | WS_DISABLED, 0, 0, 1, 1,
                      parent, nullptr, ::GetModuleHandleA(nullptr), this);
}

void Announcer::Announce(std::string_view text) {
    const auto raise = UiaProc<RaiseNotificationProc>("UiaRaiseNotificationEvent");
    const AccessibilityApi& api = AccessibilityApi::Get();
    if (!raise || !api.sysFreeString || !com_.Enter()) return;
    AnnouncementProvider* provider = Provider();
    if (!provider) return;
    BSTR said = AnsiToBstr(text);
    BSTR activity = AnsiToBstr("Huevane");
    if (said && activity) {
        raise(provider, AccessibilityApi::kActionCompleted, AccessibilityApi::kImportantMostRecent, said,
              activity);
    }
    api.sysFreeString(said);
    api.sysFreeString(activity);
}

LRESULT CALLBACK Announcer::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* creating =
            static_cast<Announcer*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
        creating->window_ = window;
        ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creating));
    }
    auto* self = reinterpret_cast<Announcer*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return ::DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
        // "When a provider receives a WM_GETOBJECT message, it should check
        // whether the lParam parameter is equal to UiaRootObjectId" ("How to
        // Expose a Server-Side UI Automation Provider"); the identifier is 32
        // bits wide in a 64-bit program too.
        case WM_GETOBJECT:
            if (static_cast<DWORD>(lParam) != AccessibilityApi::kRootObjectId) break;
            if (const LRESULT answer = self->Answer(wParam, lParam)) return answer;
            break;
        case WM_ERASEBKGND: self->Paint(reinterpret_cast<HDC>(wParam)); return TRUE;
        // A change of scale lays out every child window of the dialog again:
        // this one stays where no control is, and a pixel.
        case WM_WINDOWPOSCHANGING:
            reinterpret_cast<WINDOWPOS*>(lParam)->flags |= SWP_NOMOVE | SWP_NOSIZE;
            break;
        case WM_DESTROY: self->Destroyed(); break;
        case WM_NCDESTROY:
            ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            self->window_ = nullptr;
            break;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

// "The control should pass the wParam and lParam parameters to the
// UiaReturnRawElementProvider function without filtering them first"
// (UiaReturnRawElementProvider); a request that it does not answer (0) gets
// the window's default answer.
LRESULT Announcer::Answer(WPARAM wParam, LPARAM lParam) {
    const auto returnProvider = UiaProc<ReturnProviderProc>("UiaReturnRawElementProvider");
    if (!returnProvider || !com_.Enter()) return 0;
    AnnouncementProvider* provider = Provider();
    return provider ? returnProvider(window_, wParam, lParam, provider) : 0;
}

// With the brush that the dialog paints its own background with, which
// follows the system's colours under high contrast.
void Announcer::Paint(HDC dc) const {
    const HWND dialog = ::GetParent(window_);
    const auto brush = reinterpret_cast<HBRUSH>(::SendMessageA(
        dialog, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(dialog)));
    RECT client{};
    ::GetClientRect(window_, &client);
    ::FillRect(dc, &client, brush);
}

// "When a window that previously returned providers has been destroyed, you
// should notify UI Automation by calling the UiaReturnRawElementProvider
// function as follows: UiaReturnRawElementProvider(hwnd, 0, 0, NULL)"; and "A
// provider should call [UiaDisconnectProvider] to clean up UI Automation
// resources that are associated with a UI element that was destroyed"
// (Windows 8 and later), here on the window's own thread. Where there is no
// provider, no client asked and nothing was said.
void Announcer::Destroyed() {
    if (!provider_) return;
    if (const auto returnProvider = UiaProc<ReturnProviderProc>("UiaReturnRawElementProvider")) {
        returnProvider(window_, 0, 0, nullptr);
    }
    if (const auto disconnect = UiaProc<DisconnectProc>("UiaDisconnectProvider")) disconnect(provider_);
    provider_->WindowGone();
    provider_->Release();
    provider_ = nullptr;
}

AnnouncementProvider* Announcer::Provider() {
    if (!provider_ && window_) provider_ = new (std::nothrow) AnnouncementProvider(window_);
    return provider_;
}
