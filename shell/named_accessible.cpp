#include "named_accessible.h"

#include <servprov.h>

#include <new>
#include <string>

#include "platform/accessibility_api.h"
#include "platform/wnd.h"

namespace {

LONG RoleOf(huevane::AccessibleRole role) {
    using enum huevane::AccessibleRole;
    switch (role) {
        case PushButton: return ROLE_SYSTEM_PUSHBUTTON;
        case ComboBox: return ROLE_SYSTEM_COMBOBOX;
        case EditableText: return ROLE_SYSTEM_TEXT;
        case HotKeyField: return ROLE_SYSTEM_HOTKEYFIELD;
        case StaticText: return ROLE_SYSTEM_STATICTEXT;
        case Graphic: return ROLE_SYSTEM_GRAPHIC;
    }
    return ROLE_SYSTEM_CLIENT;
}

HRESULT Give(std::string_view text, BSTR* out) {
    if (!out) return E_POINTER;
    *out = AnsiToBstr(text);
    return *out ? S_OK : E_OUTOFMEMORY;
}

// An interface of the system's object, given by the wrapper as its own: a
// tear-off made at each request, whose calls go to the system's object and
// whose QueryInterface goes back to the wrapper, so that every interface
// that the wrapper gives answers IID_IUnknown with the wrapper ("Rules for
// Implementing QueryInterface"). Each tear-off holds the wrapper and the
// system's interface until its last reference goes.
template <class Interface>
class TearOff : public Interface {
public:
    using Given = Interface;
    TearOff(IUnknown* owner, Interface* system) : owner_(owner), system_(system) { owner_->AddRef(); }
    TearOff(const TearOff&) = delete;
    TearOff& operator=(const TearOff&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        return owner_->QueryInterface(iid, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override {
        return static_cast<ULONG>(::InterlockedIncrement(&references_));
    }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = ::InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

protected:
    virtual ~TearOff() {
        system_->Release();
        owner_->Release();
    }

    IUnknown* owner_;
    Interface* system_;

private:
    LONG references_ = 1;
};

class OleWindowTearOff final : public TearOff<IOleWindow> {
public:
    using TearOff::TearOff;
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override { return system_->GetWindow(window); }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enter) override {
        return system_->ContextSensitiveHelp(enter);
    }
};

class EnumVariantTearOff final : public TearOff<IEnumVARIANT> {
public:
    using TearOff::TearOff;
    HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* items, ULONG* fetched) override {
        return system_->Next(count, items, fetched);
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override { return system_->Skip(count); }
    HRESULT STDMETHODCALLTYPE Reset() override { return system_->Reset(); }
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override { return system_->Clone(copy); }
};

class ServiceProviderTearOff final : public TearOff<IServiceProvider> {
public:
    using TearOff::TearOff;
    // Not oleacc's proxy: a client told so would read the window through the
    // system's own description and miss the picker's names. A service that
    // the system's object gives as itself is given as the wrapper.
    HRESULT STDMETHODCALLTYPE QueryService(REFGUID service, REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (::IsEqualGUID(service, IIS_IsOleaccProxy)) return E_INVALIDARG;
        const HRESULT result = system_->QueryService(service, iid, object);
        if (FAILED(result) || !*object || !IsSystemObject(static_cast<IUnknown*>(*object))) return result;
        static_cast<IUnknown*>(*object)->Release();
        *object = nullptr;
        return owner_->QueryInterface(iid, object);
    }

private:
    bool IsSystemObject(IUnknown* given) const {
        IUnknown* givenIdentity = nullptr;
        IUnknown* systemIdentity = nullptr;
        given->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&givenIdentity));
        system_->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&systemIdentity));
        const bool same = givenIdentity && givenIdentity == systemIdentity;
        if (givenIdentity) givenIdentity->Release();
        if (systemIdentity) systemIdentity->Release();
        return same;
    }
};

// A tear-off of `Tear` over the system object's interface `iid`, if it has
// one.
template <class Tear>
HRESULT TearOffFor(IAccessible* system, IUnknown* owner, REFIID iid, void** object) {
    void* given = nullptr;
    if (FAILED(system->QueryInterface(iid, &given)) || !given) {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    using Given = typename Tear::Given;
    auto* tearOff = new (std::nothrow) Tear(owner, static_cast<Given*>(given));
    if (!tearOff) {
        static_cast<Given*>(given)->Release();
        *object = nullptr;
        return E_OUTOFMEMORY;
    }
    *object = static_cast<Given*>(tearOff);
    return S_OK;
}

}  // namespace

NamedAccessible::NamedAccessible(IAccessible* standard, HWND control,
                                 std::weak_ptr<const DescribeControl> describe)
    : standard_(standard), control_(control), describe_(std::move(describe)) {}

NamedAccessible::~NamedAccessible() { standard_->Release(); }

std::optional<huevane::AccessibleDescription> NamedAccessible::OwnDescription(const VARIANT& child) const {
    if (child.vt != VT_I4 || child.lVal != CHILDID_SELF || !::IsWindow(control_)) return std::nullopt;
    const std::shared_ptr<const DescribeControl> describe = describe_.lock();
    if (!describe) return std::nullopt;
    return (*describe)(::GetDlgCtrlID(control_));
}

HRESULT NamedAccessible::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (::IsEqualIID(iid, IID_IUnknown) || ::IsEqualIID(iid, IID_IDispatch) ||
        ::IsEqualIID(iid, IID_IAccessible)) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    IUnknown* self = static_cast<IAccessible*>(this);
    if (::IsEqualIID(iid, IID_IOleWindow)) return TearOffFor<OleWindowTearOff>(standard_, self, iid, object);
    if (::IsEqualIID(iid, IID_IEnumVARIANT))
        return TearOffFor<EnumVariantTearOff>(standard_, self, iid, object);
    if (::IsEqualIID(iid, IID_IServiceProvider)) {
        return TearOffFor<ServiceProviderTearOff>(standard_, self, iid, object);
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG NamedAccessible::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&references_)); }

ULONG NamedAccessible::Release() {
    const LONG left = ::InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT NamedAccessible::get_accName(VARIANT child, BSTR* name) {
    if (const auto own = OwnDescription(child)) return Give(own->name, name);
    return standard_->get_accName(child, name);
}

HRESULT NamedAccessible::get_accRole(VARIANT child, VARIANT* role) {
    const auto own = OwnDescription(child);
    if (!own) return standard_->get_accRole(child, role);
    if (!role) return E_POINTER;
    role->vt = VT_I4;
    role->lVal = RoleOf(own->role);
    return S_OK;
}

HRESULT NamedAccessible::get_accValue(VARIANT child, BSTR* value) {
    const auto own = OwnDescription(child);
    if (own && own->valueIsShownText) return Give(CWnd(control_).GetWindowText(), value);
    return standard_->get_accValue(child, value);
}

// The rest is the system's object's.
HRESULT NamedAccessible::GetTypeInfoCount(UINT* count) { return standard_->GetTypeInfoCount(count); }
HRESULT NamedAccessible::GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) {
    return standard_->GetTypeInfo(index, locale, info);
}
HRESULT NamedAccessible::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) {
    return standard_->GetIDsOfNames(iid, names, count, locale, ids);
}
HRESULT NamedAccessible::Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                                VARIANT* result, EXCEPINFO* exception, UINT* argumentError) {
    return standard_->Invoke(id, iid, locale, flags, params, result, exception, argumentError);
}
HRESULT NamedAccessible::get_accParent(IDispatch** parent) { return standard_->get_accParent(parent); }
HRESULT NamedAccessible::get_accChildCount(LONG* count) { return standard_->get_accChildCount(count); }
HRESULT NamedAccessible::get_accChild(VARIANT child, IDispatch** object) {
    return standard_->get_accChild(child, object);
}
HRESULT NamedAccessible::get_accDescription(VARIANT child, BSTR* description) {
    return standard_->get_accDescription(child, description);
}
HRESULT NamedAccessible::get_accState(VARIANT child, VARIANT* state) {
    return standard_->get_accState(child, state);
}
HRESULT NamedAccessible::get_accHelp(VARIANT child, BSTR* help) {
    return standard_->get_accHelp(child, help);
}
HRESULT NamedAccessible::get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) {
    return standard_->get_accHelpTopic(file, child, topic);
}
HRESULT NamedAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    return standard_->get_accKeyboardShortcut(child, shortcut);
}
HRESULT NamedAccessible::get_accFocus(VARIANT* child) { return standard_->get_accFocus(child); }
HRESULT NamedAccessible::get_accSelection(VARIANT* children) { return standard_->get_accSelection(children); }
HRESULT NamedAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
    return standard_->get_accDefaultAction(child, action);
}
HRESULT NamedAccessible::accSelect(LONG flags, VARIANT child) { return standard_->accSelect(flags, child); }
HRESULT NamedAccessible::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) {
    return standard_->accLocation(left, top, width, height, child);
}
HRESULT NamedAccessible::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
    return standard_->accNavigate(direction, start, end);
}
HRESULT NamedAccessible::accHitTest(LONG left, LONG top, VARIANT* child) {
    return standard_->accHitTest(left, top, child);
}
HRESULT NamedAccessible::accDoDefaultAction(VARIANT child) { return standard_->accDoDefaultAction(child); }
HRESULT NamedAccessible::put_accName(VARIANT child, BSTR name) { return standard_->put_accName(child, name); }
HRESULT NamedAccessible::put_accValue(VARIANT child, BSTR value) {
    return standard_->put_accValue(child, value);
}
