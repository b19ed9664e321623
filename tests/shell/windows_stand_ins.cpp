#include "windows_stand_ins.h"

#include <commctrl.h>
#include <uiautomationcore.h>

#include <cstring>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>

#include "dialog_harness.h"
#include "platform/wts_session_info.h"

namespace huevane_test {

namespace {

// The import address table's slot of `function` from `dll` in this program.
void** ImportSlot(const char* dll, const char* function) {
    auto* base = reinterpret_cast<BYTE*>(::GetModuleHandleA(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* module = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         module->Name != 0; ++module) {
        if (::lstrcmpiA(reinterpret_cast<const char*>(base + module->Name), dll) != 0) continue;
        auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->FirstThunk);
        auto* name = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->OriginalFirstThunk);
        for (; slot->u1.Function != 0; ++slot, ++name) {
            if (IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal)) continue;
            const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + name->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0) {
                return reinterpret_cast<void**>(&slot->u1.Function);
            }
        }
    }
    return nullptr;
}

}  // namespace

ImportReplacement::ImportReplacement(const char* dll, const char* function, const void* replacement)
    : slot_(ImportSlot(dll, function)) {
    if (!slot_) throw std::runtime_error(std::string("the test program does not import ") + function);
    original_ = *slot_;
    Write(const_cast<void*>(replacement));
}

ImportReplacement::~ImportReplacement() { Write(original_); }

void ImportReplacement::Write(void* value) {
    DWORD protection = 0;
    ::VirtualProtect(slot_, sizeof *slot_, PAGE_READWRITE, &protection);
    *slot_ = value;
    ::VirtualProtect(slot_, sizeof *slot_, protection, &protection);
}

// --- Per-Monitor v2 dialogs ---------------------------------------------

namespace {

struct ScaledDialog {
    WNDPROC original;
    UINT dpi;       // the scale the dialog is laid out for now
    LOGFONTA font;  // the dialog's font as it opened ...
    UINT fontDpi;   // ... at this scale
    HFONT scaled;   // the font sent to the controls at the last change
};
std::map<HWND, ScaledDialog> scaledDialogs;

UINT SystemDpi() {
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return static_cast<UINT>(dpi);
}

int Scale(int value, UINT to, UINT from) {
    return ::MulDiv(value, static_cast<int>(to), static_cast<int>(from));
}

void ChangeDialogScale(HWND dialog, ScaledDialog& scaled, UINT dpi, const RECT& suggested) {
    ::SetWindowPos(dialog, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    for (HWND control = ::GetWindow(dialog, GW_CHILD); control; control = ::GetWindow(control, GW_HWNDNEXT)) {
        RECT rect{};
        ::GetWindowRect(control, &rect);
        ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        ::MoveWindow(control, Scale(rect.left, dpi, scaled.dpi), Scale(rect.top, dpi, scaled.dpi),
                     Scale(rect.right - rect.left, dpi, scaled.dpi),
                     Scale(rect.bottom - rect.top, dpi, scaled.dpi), TRUE);
    }
    LOGFONTA font = scaled.font;
    font.lfHeight = Scale(font.lfHeight, dpi, scaled.fontDpi);
    HFONT previous = scaled.scaled;
    scaled.scaled = ::CreateFontIndirectA(&font);
    for (HWND control = ::GetWindow(dialog, GW_CHILD); control; control = ::GetWindow(control, GW_HWNDNEXT)) {
        ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(scaled.scaled), TRUE);
    }
    if (previous) ::DeleteObject(previous);
    scaled.dpi = dpi;
}

LRESULT CALLBACK ScaledDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    ScaledDialog& scaled = scaledDialogs.at(dialog);
    if (message == WM_DPICHANGED) {
        ChangeDialogScale(dialog, scaled, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    }
    const WNDPROC original = scaled.original;
    if (message == WM_NCDESTROY) {
        // Its last font goes with it: the controls are gone by now.
        if (scaled.scaled) ::DeleteObject(scaled.scaled);
        scaledDialogs.erase(dialog);
    }
    return ::CallWindowProcA(original, dialog, message, wParam, lParam);
}

LRESULT CALLBACK SubclassNewDialogs(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        HWND window = reinterpret_cast<HWND>(wParam);
        char className[16] = {};
        ::GetClassNameA(window, className, sizeof className);
        if (std::strcmp(className, "#32770") == 0) {
            const WNDPROC proc = &ScaledDialogProc;
            const auto original = reinterpret_cast<WNDPROC>(
                ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
            scaledDialogs[window] = ScaledDialog{original, SystemDpi(), {}, 0, nullptr};
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void SendScaleChange(HWND dialog, UINT dpi, POINT topLeft) {
    ScaledDialog& scaled = scaledDialogs.at(dialog);
    if (scaled.fontDpi == 0) {
        // The dialog's font as its template made it, at the scale it opened at.
        ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof scaled.font,
                     &scaled.font);
        scaled.fontDpi = scaled.dpi;
    }
    // "This message is sent to top-level windows with a DPI_AWARENESS_CONTEXT
    // of Per Monitor v2 before a WM_DPICHANGED message is sent ... If the
    // application responds to this message, the resulting size will be the
    // candidate rectangle send to WM_DPICHANGED" (WM_GETDPISCALEDSIZE).
    const RECT rect = WindowRect(dialog);
    SIZE size{rect.right - rect.left, rect.bottom - rect.top};
    if (!::SendMessageA(dialog, WM_GETDPISCALEDSIZE, dpi, reinterpret_cast<LPARAM>(&size))) {
        size = {Scale(size.cx, dpi, scaled.dpi), Scale(size.cy, dpi, scaled.dpi)};
    }
    RECT suggested{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy};
    ::SendMessageA(dialog, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

}  // namespace

PerMonitorDialogs::PerMonitorDialogs()
    : hook_(::SetWindowsHookExA(WH_CBT, &SubclassNewDialogs, nullptr, ::GetCurrentThreadId())) {}

PerMonitorDialogs::~PerMonitorDialogs() { ::UnhookWindowsHookEx(hook_); }

void PerMonitorDialogs::ChangeScale(HWND dialog, UINT dpi) {
    const RECT rect = WindowRect(dialog);
    SendScaleChange(dialog, dpi, POINT{rect.left, rect.top});
}

void PerMonitorDialogs::ChangeScaleWhileDragged(HWND dialog, UINT dpi, POINT topLeft) {
    ::SendMessageA(dialog, WM_ENTERSIZEMOVE, 0, 0);
    SendScaleChange(dialog, dpi, topLeft);
    ::SendMessageA(dialog, WM_EXITSIZEMOVE, 0, 0);
}

// --- The hot key held down ------------------------------------------------

namespace {

struct Registration {
    UINT modifiers;
    UINT virtualKey;
};
std::map<std::pair<HWND, int>, Registration> registrations;
const ImportReplacement* registering = nullptr;

BOOL WINAPI RecordRegistration(HWND window, int id, UINT modifiers, UINT virtualKey) {
    registrations[{window, id}] = {modifiers, virtualKey};
    return registering->Original<decltype(&RecordRegistration)>()(window, id, modifiers, virtualKey);
}

}  // namespace

HotKeyAutoRepeat::HotKeyAutoRepeat()
    : registration_("user32.dll", "RegisterHotKey", reinterpret_cast<const void*>(&RecordRegistration)) {
    registrations.clear();
    registering = &registration_;
}

void HotKeyAutoRepeat::Hold(HWND window, int id, int repeats) const {
    const auto found = registrations.find({window, id});
    if (found == registrations.end()) return;  // nothing registered: no hot key
    const Registration& held = found->second;
    // The message reports the modifiers and the key, not MOD_NOREPEAT.
    const LPARAM reported = MAKELPARAM(held.modifiers & ~MOD_NOREPEAT, held.virtualKey);
    const int notifications = (held.modifiers & MOD_NOREPEAT) ? 1 : 1 + repeats;
    for (int i = 0; i < notifications; ++i)
        ::PostMessageA(window, WM_HOTKEY, static_cast<WPARAM>(id), reported);
    MSG message;
    while (::PeekMessageA(&message, window, WM_HOTKEY, WM_HOTKEY, PM_REMOVE)) ::DispatchMessageA(&message);
}

// --- The secure desktop ---------------------------------------------------

namespace {

BOOL WINAPI CursorOnAnotherDesktop(LPPOINT) {
    ::SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
}

}  // namespace

SecureDesktop::SecureDesktop()
    : cursor_("user32.dll", "GetCursorPos", reinterpret_cast<const void*>(&CursorOnAnotherDesktop)) {}

// --- Common controls registered on request ------------------------------

namespace {

std::vector<DWORD> requests;
const ImportReplacement* lookingUp = nullptr;
using InitCommonControlsExProc = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
InitCommonControlsExProc initialise = nullptr;

BOOL WINAPI RecordRequest(const INITCOMMONCONTROLSEX* classes) {
    if (classes && classes->dwSize == sizeof *classes) requests.push_back(classes->dwICC);
    return initialise(classes);
}

// The common controls are looked up, not imported: the request is recorded
// on its way through the looked-up function.
FARPROC WINAPI LookUp(HMODULE module, LPCSTR name) {
    const FARPROC found = lookingUp->Original<decltype(&LookUp)>()(module, name);
    if (!found || HIWORD(reinterpret_cast<ULONG_PTR>(name)) == 0 ||
        std::strcmp(name, "InitCommonControlsEx") != 0)
        return found;
    initialise = reinterpret_cast<InitCommonControlsExProc>(reinterpret_cast<void*>(found));
    return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&RecordRequest));
}

}  // namespace

CommonControlsOnRequest::CommonControlsOnRequest()
    : lookUp_("kernel32.dll", "GetProcAddress", reinterpret_cast<const void*>(&LookUp)) {
    requests.clear();
    lookingUp = &lookUp_;
}

const std::vector<DWORD>& CommonControlsOnRequest::Requests() const { return requests; }

// --- The first show as the starting program asked -------------------------

namespace {

const ImportReplacement* creating = nullptr;
int firstShow = -1;  // until the first visible dialog takes it

HWND WINAPI CreateShownAsStartUpInfoSays(HINSTANCE instance, LPCSTR name, HWND owner, DLGPROC proc,
                                         LPARAM param) {
    HWND dialog =
        creating->Original<decltype(&CreateShownAsStartUpInfoSays)>()(instance, name, owner, proc, param);
    if (firstShow >= 0 && ::IsWindowVisible(dialog)) ::ShowWindow(dialog, std::exchange(firstShow, -1));
    return dialog;
}

}  // namespace

FirstShowFromStartUpInfo::FirstShowFromStartUpInfo(int startUpShow)
    : creation_("user32.dll", "CreateDialogParamA",
                reinterpret_cast<const void*>(&CreateShownAsStartUpInfoSays)) {
    firstShow = startUpShow;
    creating = &creation_;
}

// --- High contrast --------------------------------------------------------

namespace {

const ImportReplacement* querying = nullptr;

BOOL WINAPI HighContrastQuery(UINT action, UINT size, void* value, UINT flags) {
    if (action != SPI_GETHIGHCONTRAST)
        return querying->Original<decltype(&HighContrastQuery)>()(action, size, value, flags);
    static_cast<HIGHCONTRASTA*>(value)->dwFlags = HCF_HIGHCONTRASTON | HCF_AVAILABLE;
    return TRUE;
}

}  // namespace

HighContrast::HighContrast()
    : query_("user32.dll", "SystemParametersInfoA", reinterpret_cast<const void*>(&HighContrastQuery)) {
    querying = &query_;
}

// --- The session's notices and its display's state ---------------------

void SessionChange(HWND window, WPARAM status, bool ownSession) {
    DWORD session = 0;
    ::ProcessIdToSessionId(::GetCurrentProcessId(), &session);
    ::SendMessageA(window, WM_WTSSESSION_CHANGE, status, static_cast<LPARAM>(session + (ownSession ? 0 : 1)));
}

void DisplayStatus(HWND window, DWORD status, DWORD length) {
    // POWERBROADCAST_SETTING as Windows lays it out: the setting's GUID, the
    // data's length, the data.
    struct {
        GUID setting;
        DWORD length;
        DWORD data;
    } notice{{0x2b84c20e, 0xad23, 0x4ddf, {0x93, 0xdb, 0x05, 0xff, 0xbd, 0x7e, 0xfc, 0xa5}}, length, status};
    ::SendMessageA(window, WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE, reinterpret_cast<LPARAM>(&notice));
}

// --- The system's version and its session's state ---------------------

namespace {

DWORD systemMinor = 0;
WtsInfoEx session{.Level = 1, .Data = {}};
const ImportReplacement* lookingUpSession = nullptr;

// The documented test of a version and above: the major and minor versions
// and the service pack's, each VER_GREATER_EQUAL.
BOOL WINAPI VerifyVersion(OSVERSIONINFOEXW* wanted, DWORD parts, DWORDLONG conditions) {
    DWORDLONG atLeast = 0;
    for (const DWORD part : {VER_MAJORVERSION, VER_MINORVERSION, VER_SERVICEPACKMAJOR, VER_SERVICEPACKMINOR})
        atLeast = ::VerSetConditionMask(atLeast, part, VER_GREATER_EQUAL);
    if (parts != 0x33 || conditions != atLeast) throw std::logic_error("a version test not modelled");
    return std::pair{wanted->dwMajorVersion, wanted->dwMinorVersion} <= std::pair{DWORD{6}, systemMinor};
}

// The program's session's WTSSessionInfoEx, the one class that gives this
// structure.
BOOL WINAPI QuerySession(HANDLE, DWORD, int infoClass, LPWSTR* buffer, DWORD* length) {
    if (infoClass != kWtsSessionInfoEx) throw std::logic_error("a session query not modelled");
    *buffer = reinterpret_cast<LPWSTR>(new WtsInfoEx(session));
    *length = sizeof session;
    return TRUE;
}

void WINAPI FreeSessionMemory(PVOID memory) { delete static_cast<WtsInfoEx*>(memory); }

FARPROC WINAPI LookUpSession(HMODULE module, LPCSTR name) {
    const bool byName = HIWORD(reinterpret_cast<ULONG_PTR>(name)) != 0;
    if (byName && std::strcmp(name, "WTSQuerySessionInformationW") == 0)
        return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&QuerySession));
    if (byName && std::strcmp(name, "WTSFreeMemory") == 0)
        return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&FreeSessionMemory));
    return lookingUpSession->Original<decltype(&LookUpSession)>()(module, name);
}

}  // namespace

WindowsSession::WindowsSession(DWORD minor, WTS_CONNECTSTATE_CLASS state, bool locked)
    : version_("kernel32.dll", "VerifyVersionInfoW", reinterpret_cast<const void*>(&VerifyVersion)),
      lookUp_("kernel32.dll", "GetProcAddress", reinterpret_cast<const void*>(&LookUpSession)) {
    systemMinor = minor;
    lookingUpSession = &lookUp_;
    Set(state, locked);
}

void WindowsSession::Set(WTS_CONNECTSTATE_CLASS state, bool locked) {
    session.Data.WTSInfoExLevel1.SessionState = state;
    session.Data.WTSInfoExLevel1.SessionFlags = locked == (systemMinor == 1) ? 1 : 0;
}

// --- UI Automation's notifications ---------------------------------------

namespace {

std::vector<std::string> said;
IRawElementProviderSimple* saidOn = nullptr;
std::map<IRawElementProviderSimple*, HWND> hostProviders;  // each handed out, held
const ImportReplacement* lookingUpUia = nullptr;
using HostProviderProc = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);
HostProviderProc systemHostProvider = nullptr;

HRESULT WINAPI HostProviderFromHwnd(HWND window, IRawElementProviderSimple** provider) {
    const HRESULT result = systemHostProvider(window, provider);
    if (SUCCEEDED(result) && hostProviders.emplace(*provider, window).second) (*provider)->AddRef();
    return result;
}

HRESULT WINAPI RaiseNotification(IRawElementProviderSimple* provider, int, int, BSTR text, BSTR) {
    // "You cannot use the object to raise events" (UiaHostProviderFromHwnd).
    if (!provider || hostProviders.count(provider)) return E_INVALIDARG;
    char narrow[256] = {};
    ::WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
    said.emplace_back(narrow);
    provider->AddRef();
    if (saidOn) saidOn->Release();
    saidOn = provider;
    return S_OK;
}

// Every other name is the lookup's that this one replaced.
FARPROC WINAPI LookUpUia(HMODULE module, LPCSTR name) {
    const FARPROC found = lookingUpUia->Original<decltype(&LookUpUia)>()(module, name);
    if (HIWORD(reinterpret_cast<ULONG_PTR>(name)) == 0) return found;
    if (std::strcmp(name, "UiaRaiseNotificationEvent") == 0)
        return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&RaiseNotification));
    if (!found || std::strcmp(name, "UiaHostProviderFromHwnd") != 0) return found;
    systemHostProvider = reinterpret_cast<HostProviderProc>(reinterpret_cast<void*>(found));
    return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&HostProviderFromHwnd));
}

}  // namespace

UiaNotifications::UiaNotifications()
    : lookUp_("kernel32.dll", "GetProcAddress", reinterpret_cast<const void*>(&LookUpUia)) {
    said.clear();
    lookingUpUia = &lookUp_;
}

UiaNotifications::~UiaNotifications() {
    for (const auto& [host, window] : hostProviders) host->Release();
    hostProviders.clear();
    if (saidOn) saidOn->Release();
    saidOn = nullptr;
}

IRawElementProviderSimple* UiaNotifications::SaidOn() const { return saidOn; }

HWND UiaNotifications::HostedWindow(IRawElementProviderSimple* host) const {
    const auto found = hostProviders.find(host);
    return found == hostProviders.end() ? nullptr : found->second;
}

const std::vector<std::string>& UiaNotifications::Said() const { return said; }

}  // namespace huevane_test
