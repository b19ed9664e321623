#include "announcement_provider.h"

#include <uiautomationclient.h>

#include "platform/accessibility_api.h"
#include "platform/system_library.h"

AnnouncementProvider::AnnouncementProvider(HWND window) : window_(window) {}

HRESULT AnnouncementProvider::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (::IsEqualIID(iid, IID_IUnknown) || ::IsEqualIID(iid, IID_IRawElementProviderSimple)) {
        *object = static_cast<IRawElementProviderSimple*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG AnnouncementProvider::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&references_)); }

ULONG AnnouncementProvider::Release() {
    const LONG left = ::InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

// Called on the window's thread, which is in a COM apartment, as the window's
// own controls are.
HRESULT AnnouncementProvider::get_ProviderOptions(ProviderOptions* options) {
    if (!options) return E_POINTER;
    *options =
        static_cast<ProviderOptions>(ProviderOptions_ServerSideProvider | ProviderOptions_UseComThreading);
    return S_OK;
}

// No control pattern: there is nothing to do with the element.
HRESULT AnnouncementProvider::GetPatternProvider(PATTERNID, IUnknown** provider) {
    if (!provider) return E_POINTER;
    *provider = nullptr;
    return S_OK;
}

// Out of the content view, so that a reader reading the window's content
// passes it by; in the control view, because a client hears of events through
// a cache request whose view is by default the control view
// (IUIAutomationCacheRequest::TreeFilter), as NVDA registers for
// notifications. Disabled and never focusable (its window says so through the
// host), a reader moving through the controls does not stop on it. The rest,
// the window's place, state and handle, comes from the host.
HRESULT AnnouncementProvider::GetPropertyValue(PROPERTYID property, VARIANT* value) {
    if (!value) return E_POINTER;
    value->vt = VT_EMPTY;
    switch (property) {
        case UIA_NamePropertyId:
            value->bstrVal = AnsiToBstr("Huevane announcements");
            if (!value->bstrVal) return E_OUTOFMEMORY;
            value->vt = VT_BSTR;
            break;
        case UIA_ControlTypePropertyId:
            value->vt = VT_I4;
            value->lVal = AccessibilityApi::kCustomControlType;
            break;
        case UIA_IsContentElementPropertyId:
        case UIA_IsControlElementPropertyId:
            value->vt = VT_BOOL;
            value->boolVal = property == UIA_IsControlElementPropertyId ? VARIANT_TRUE : VARIANT_FALSE;
            break;
    }
    return S_OK;
}

// Looked up at each request: a provider is made only once there is
// something to say or a client asks, and uiautomationcore only then.
HRESULT AnnouncementProvider::get_HostRawElementProvider(IRawElementProviderSimple** host) {
    if (!host) return E_POINTER;
    *host = nullptr;
    using HostProviderProc = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);
    const auto hostProvider = SystemProc<HostProviderProc>("uiautomationcore.dll", "UiaHostProviderFromHwnd");
    if (!window_ || !hostProvider) return S_OK;
    return hostProvider(window_, host);
}
