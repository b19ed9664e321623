#include "accessible_reads.h"

#include <oleacc.h>
#include <servprov.h>

#include <cstdio>
#include <string>
#include <utility>

namespace {

std::string Narrow(BSTR text) {
    if (!text) return "";
    const int length = ::WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text, -1, narrow.data(), length, nullptr, nullptr);
    narrow.resize(narrow.size() - 1);
    ::SysFreeString(text);
    return narrow;
}

void CALLBACK PrintNameChange(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG, DWORD, DWORD) {
    std::printf("%d %s\n", ::GetDlgCtrlID(window), object == OBJID_CLIENT ? "client" : "window");
    std::fflush(stdout);
}

}  // namespace

int AccessibleControl(HWND main, int id) {
    ::CoInitialize(nullptr);
    IAccessible* object = nullptr;
    const HRESULT got = ::AccessibleObjectFromWindow(::GetDlgItem(main, id), static_cast<DWORD>(OBJID_CLIENT),
                                                     IID_IAccessible, reinterpret_cast<void**>(&object));
    if (FAILED(got) || !object) {
        std::printf("failed: no accessible object (0x%08lx)\n", static_cast<unsigned long>(got));
        return 1;
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    BSTR value = nullptr;
    VARIANT role{};
    object->get_accName(self, &name);
    object->get_accValue(self, &value);
    object->get_accRole(self, &role);
    char roleText[64] = "";
    if (role.vt == VT_I4) ::GetRoleTextA(static_cast<DWORD>(role.lVal), roleText, sizeof roleText);
    std::printf("%s|%s|%s\n", Narrow(name).c_str(), roleText, Narrow(value).c_str());
    object->Release();
    ::CoUninitialize();
    return 0;
}

// Out of context: the hook runs in this process, as a screen reader's does.
int NameChanges(HWND main) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(main, &process);
    const HWINEVENTHOOK hook = ::SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr,
                                                 &PrintNameChange, process, 0, WINEVENT_OUTOFCONTEXT);
    if (!hook) {
        std::printf("failed: no hook\n");
        return 1;
    }
    std::printf("watching\n");
    std::fflush(stdout);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) ::DispatchMessageA(&msg);
    ::UnhookWinEvent(hook);
    return 0;
}

// "IOleWindow IEnumVARIANT IServiceProvider ", each that the object gives.
int SystemInterfaces(HWND main, int id) {
    ::CoInitialize(nullptr);
    const HWND control = ::GetDlgItem(main, id);
    IAccessible* object = nullptr;
    if (FAILED(::AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                            reinterpret_cast<void**>(&object)))) {
        std::printf("failed: no accessible object\n");
        return 1;
    }
    IUnknown* identity = nullptr;
    object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity));
    const std::pair<const IID*, const char*> interfaces[] = {{&IID_IOleWindow, "IOleWindow"},
                                                             {&IID_IEnumVARIANT, "IEnumVARIANT"},
                                                             {&IID_IServiceProvider, "IServiceProvider"}};
    for (const auto& [iid, name] : interfaces) {
        IUnknown* given = nullptr;
        IUnknown* itsIdentity = nullptr;
        if (FAILED(object->QueryInterface(*iid, reinterpret_cast<void**>(&given))) || !given) continue;
        given->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&itsIdentity));
        if (itsIdentity == identity) std::printf("%s ", name);  // the proxy's, from here
        if (itsIdentity) itsIdentity->Release();
        given->Release();
    }
    std::printf("\n");
    identity->Release();
    object->Release();
    ::CoUninitialize();
    return 0;
}
