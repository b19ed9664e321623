#include "accessibility_api.h"

#include "system_library.h"

const AccessibilityApi& AccessibilityApi::Get() {
    static const AccessibilityApi api{
        SystemProc<decltype(createStdAccessibleObject)>("oleacc.dll", "CreateStdAccessibleObject"),
        SystemProc<decltype(lresultFromObject)>("oleacc.dll", "LresultFromObject"),
        SystemProc<decltype(coInitializeEx)>("ole32.dll", "CoInitializeEx"),
        SystemProc<decltype(coUninitialize)>("ole32.dll", "CoUninitialize"),
        SystemProc<decltype(sysAllocStringLen)>("oleaut32.dll", "SysAllocStringLen"),
        SystemProc<decltype(sysFreeString)>("oleaut32.dll", "SysFreeString"),
    };
    return api;
}

ComApartment::~ComApartment() {
    if (entered_) AccessibilityApi::Get().coUninitialize();
}

bool ComApartment::Enter() {
    if (entered_ || inOther_) return true;
    const AccessibilityApi& api = AccessibilityApi::Get();
    if (!api.coInitializeEx) return false;
    const HRESULT result = api.coInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // S_FALSE: already in this apartment, entered once more all the same.
    entered_ = SUCCEEDED(result);
    inOther_ = result == RPC_E_CHANGED_MODE;
    return entered_ || inOther_;
}

BSTR AnsiToBstr(std::string_view text) {
    const AccessibilityApi& api = AccessibilityApi::Get();
    if (!api.sysAllocStringLen) return nullptr;
    const int size = static_cast<int>(text.size());
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    // Made by the system at its length and written in place: no allocation
    // here that could throw out of a window procedure or a COM method.
    BSTR converted = api.sysAllocStringLen(nullptr, static_cast<UINT>(length));
    if (converted) ::MultiByteToWideChar(CP_ACP, 0, text.data(), size, converted, length);
    return converted;
}
