// The system's accessibility functions, none of them imported: oleacc is not
// one of the known DLLs. Each is looked up in System32 when first needed.
//   AccessibilityApi   the functions, null where the system has none
//   ComApartment       the thread's single-threaded COM apartment, entered once
//   AnsiToBstr         a text of the program as a COM string
#pragma once

#include <windows.h>

#include <oleacc.h>
// Not uiautomationcoreapi.h, whose declarations MinGW-w64 gives in C alone.
#include <uiautomationcore.h>

#include <string_view>

struct AccessibilityApi {
    // UI Automation's notification kinds and processings (UiaRaiseNotificationEvent).
    static constexpr int kActionCompleted = 2;
    static constexpr int kImportantMostRecent = 1;
    // "UIA_CustomControlTypeId 50025" (Control Type Identifiers), and the
    // object identifier of a window's own UI Automation provider
    // (UiaRootObjectId), which MinGW-w64 declares in C alone.
    static constexpr int kCustomControlType = 50025;
    static constexpr DWORD kRootObjectId = static_cast<DWORD>(-25);

    decltype(&::CreateStdAccessibleObject) createStdAccessibleObject;
    decltype(&::LresultFromObject) lresultFromObject;
    decltype(&::CoInitializeEx) coInitializeEx;
    decltype(&::CoUninitialize) coUninitialize;
    decltype(&::SysAllocStringLen) sysAllocStringLen;
    decltype(&::SysFreeString) sysFreeString;

    // Looked up at the first call, after the program has narrowed its search
    // for DLLs.
    static const AccessibilityApi& Get();
};

// COM, entered on the window's thread at the first request of an accessible
// object, and left with the object that entered it.
class ComApartment {
public:
    ComApartment() = default;
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    // Whether the thread is in a COM apartment, entering one if it is not.
    bool Enter();

private:
    bool entered_ = false;
    // The thread was in a multithreaded apartment already: it stays there.
    bool inOther_ = false;
};

// Null where the text cannot be made.
BSTR AnsiToBstr(std::string_view text);
