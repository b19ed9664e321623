#include "accessible_controls.h"

#include <new>

// What a named control keeps for its window procedure, in the control's user
// data, from Name until the control is destroyed.
struct AccessibleControls::NamedControl {
    WNDPROC original;
    std::weak_ptr<Answering> answering;
};

AccessibleControls::AccessibleControls(DescribeControl describe, ControlFocusLeft focusLeft)
    : answering_(std::make_shared<Answering>(std::move(describe), std::move(focusLeft))) {}

void AccessibleControls::Name(HWND control) {
    auto* named = new (std::nothrow) NamedControl{nullptr, answering_};
    if (!named) return;  // readers get the system's own description
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
    auto* named = new (std::nothrow)
        NamedAccessible(static_cast<IAccessible*>(standard), control,
                        std::shared_ptr<const DescribeControl>(answering, &answering->describe));
    if (!named) {
        static_cast<IAccessible*>(standard)->Release();
        return 0;
    }
    const LRESULT answer = api.lresultFromObject(IID_IAccessible, wParam, named);
    named->Release();
    return FAILED(answer) ? 0 : answer;
}
