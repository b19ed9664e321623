// AnnouncementProvider: the UI Automation element that the picker's
// announcements are raised on, a provider of the picker's own for the window
// that answers for it. "The object retrieved by [UiaHostProviderFromHwnd] is
// useful only for responding to calls to
// IRawElementProviderSimple::get_HostRawElementProvider. You cannot use the
// object to raise events ... you must create a provider object that fully
// implements the IRawElementProviderSimple interface" (UiaHostProviderFromHwnd).
#pragma once

#include <windows.h>

#include <uiautomationcore.h>

class AnnouncementProvider final : public IRawElementProviderSimple {
public:
    // One reference, the caller's.
    explicit AnnouncementProvider(HWND window);
    AnnouncementProvider(const AnnouncementProvider&) = delete;
    AnnouncementProvider& operator=(const AnnouncementProvider&) = delete;

    // The window has gone: from now on the element has no host. A client may
    // still hold the provider.
    void WindowGone() { window_ = nullptr; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IRawElementProviderSimple
    HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions* options) override;
    HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID pattern, IUnknown** provider) override;
    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID property, VARIANT* value) override;
    HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple** host) override;

private:
    ~AnnouncementProvider() = default;

    LONG references_ = 1;
    HWND window_;
};
