#include "accessible_controls.h"

#include "platform/system_library.h"

// What a named control keeps for its window procedure, in the control's user
// data, from Name until the control is destroyed.
struct AccessibleControls::NamedControl {
    WNDPROC original;
    std::weak_ptr<Answering> answering;
};

AccessibleControls::AccessibleControls(DescribeControl describe, ControlFocusLeft focusLeft)
    : answering_(std::make_shared<Answering>(std::move(describe), std::move(focusLeft))) {}

void AccessibleControls::Name(HWND control) {
    auto* named = new NamedControl{nullptr, answering_};
    ::SetWindowLongPtrA(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(named));
    const WNDPROC controlProc = &ControlProc;
    named->original = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(controlProc)));
}

void AccessibleControls::NameChanged(HWND control) {
    ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

// "Clients ... should cast the lParam value to a DWORD" (WM_GETOBJECT): the
// object identifier is 32 bits wide in a 64-bit program too.
LRESULT CALLBACK AccessibleControls::ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* named = reinterpret_cast<NamedControl*>(::GetWindowLongPtrA(control, GWLP_USERDATA));
    const WNDPROC original = named->original;
    if (message == WM_GETOBJECT && static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT)) {
        if (const std::shared_ptr<Answering> answering = named->answering.lock()) {
            if (const LRESULT answer = Answer(answering, control, wParam)) return answer;
        }
    }
    if (message == WM_KILLFOCUS) {
        const LRESULT result = ::CallWindowProcA(original, control, message, wParam, lParam);
        if (const std::shared_ptr<Answering> answering = named->answering.lock()) {
            answering->focusLeft(::GetDlgCtrlID(control));
        }
        return result;
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        ::SetWindowLongPtrA(control, GWLP_USERDATA, 0);
        delete named;
    }
    return ::CallWindowProcA(original, control, message, wParam, lParam);
}

// The system's object for the control, wrapped; 0 where it cannot be made,
// and the control's own handling then answers.
LRESULT AccessibleControls::Answer(const std::shared_ptr<Answering>& answering, HWND control, WPARAM wParam) {
    const AccessibilityApi& api = AccessibilityApi::Get();
    if (!api.createStdAccessibleObject || !api.lresultFromObject || !answering->com.Enter()) return 0;
    void* standard = nullptr;
    if (FAILED(api.createStdAccessibleObject(control, OBJID_CLIENT, IID_IAccessible, &standard))) return 0;
    auto* named =
        new NamedAccessible(static_cast<IAccessible*>(standard), control,
                            std::shared_ptr<const DescribeControl>(answering, &answering->describe));
    const LRESULT answer = api.lresultFromObject(IID_IAccessible, wParam, named);
    named->Release();
    return FAILED(answer) ? 0 : answer;
}

// "If your window uses the WS_POPUP style, it must also implement the Window
// Control Pattern and handle the WM_GETOBJECT message" (UiaRaiseNotificationEvent):
// the main window is a popup without that pattern, so the notification is
// raised on the host provider of one of its child windows, the node "where
// the notification event occurred". Looked up at each announcement, one per
// capture or copy, so that uiautomationcore is loaded only once the picker
// has something to say.
void AccessibleControls::Announce(HWND control, std::string_view text) {
    using HostProviderProc = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);
    using RaiseNotificationProc =
        HRESULT(WINAPI*)(IRawElementProviderSimple*, int kind, int processing, BSTR text, BSTR activity);
    const auto hostProvider = SystemProc<HostProviderProc>("uiautomationcore.dll", "UiaHostProviderFromHwnd");
    const auto raise = SystemProc<RaiseNotificationProc>("uiautomationcore.dll", "UiaRaiseNotificationEvent");
    const AccessibilityApi& api = AccessibilityApi::Get();
    if (!hostProvider || !raise || !api.sysFreeString) return;
    IRawElementProviderSimple* provider = nullptr;
    if (FAILED(hostProvider(control, &provider)) || !provider) return;
    BSTR said = AnsiToBstr(text);
    BSTR activity = AnsiToBstr("Huevane");
    if (said && activity) {
        raise(provider, AccessibilityApi::kActionCompleted, AccessibilityApi::kImportantMostRecent, said,
              activity);
    }
    api.sysFreeString(said);
    api.sysFreeString(activity);
    provider->Release();
}
