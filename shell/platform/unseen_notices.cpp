#include "unseen_notices.h"

#include <cstring>

#include "system_library.h"
#include "wts_session_info.h"

namespace {

// "The display associated with the application's session has been powered
// on or off" (Windows 8 on), and "The primary system monitor has been
// powered on or off", all that Windows Vista and 7 give (Power Setting GUIDs).
constexpr GUID kSessionDisplayStatus{
    0x2b84c20e, 0xad23, 0x4ddf, {0x93, 0xdb, 0x05, 0xff, 0xbd, 0x7e, 0xfc, 0xa5}};
constexpr GUID kMonitorPowerOn{0x02731015, 0x4510, 0x4526, {0x99, 0xe6, 0xe5, 0xa1, 0x7e, 0xbd, 0x1a, 0xea}};

// wtsapi32 is none of Windows' known DLLs: it comes from System32, once the
// program runs.
using RegisterSessionProc = BOOL(WINAPI*)(HWND, DWORD);
using UnregisterSessionProc = BOOL(WINAPI*)(HWND);
using QuerySessionProc = BOOL(WINAPI*)(HANDLE, DWORD, int, LPWSTR*, DWORD*);
using FreeMemoryProc = void(WINAPI*)(PVOID);
constexpr DWORD kNotifyForThisSession = 0;

// Whether the system is at least `major`.`minor`, as VerifyVersionInfoW
// tells it: the truth under the manifest's supportedOS entries. "If you are
// testing the major version, you must also test the minor version and the
// service pack major and minor versions."
bool SystemIsAtLeast(DWORD major, DWORD minor) {
    OSVERSIONINFOEXW wanted{};
    wanted.dwOSVersionInfoSize = sizeof wanted;
    wanted.dwMajorVersion = major;
    wanted.dwMinorVersion = minor;
    DWORDLONG conditions = 0;
    for (const DWORD part : {VER_MAJORVERSION, VER_MINORVERSION, VER_SERVICEPACKMAJOR, VER_SERVICEPACKMINOR})
        conditions = ::VerSetConditionMask(conditions, part, VER_GREATER_EQUAL);
    return ::VerifyVersionInfoW(
               &wanted, VER_MAJORVERSION | VER_MINORVERSION | VER_SERVICEPACKMAJOR | VER_SERVICEPACKMINOR,
               conditions) != FALSE;
}

}  // namespace

void CUnseenNotices::Register(HWND window) {
    Unregister();
    const auto registerSession =
        SystemProc<RegisterSessionProc>("wtsapi32.dll", "WTSRegisterSessionNotification");
    if (registerSession && registerSession(window, kNotifyForThisSession)) m_session.Reset(window);
    const bool windows8 = SystemIsAtLeast(6, 2);
    // "Windows Server 2008 R2 and Windows 7: Due to a code defect, the usage
    // of the WTS_SESSIONSTATE_LOCK and WTS_SESSIONSTATE_UNLOCK flags is
    // reversed" (WTSINFOEX_LEVEL1).
    m_lockFlagsReversed = !windows8 && SystemIsAtLeast(6, 1);
    m_display.Reset(::RegisterPowerSettingNotification(
        window, windows8 ? &kSessionDisplayStatus : &kMonitorPowerOn, DEVICE_NOTIFY_WINDOW_HANDLE));
}

void CUnseenNotices::Unregister() {
    m_session.Reset();
    m_display.Reset();
}

void CUnseenNotices::UnregisterSession(HWND window) {
    if (const auto unregister =
            SystemProc<UnregisterSessionProc>("wtsapi32.dll", "WTSUnRegisterSessionNotification")) {
        unregister(window);
    }
}

std::optional<SessionStateRead> CUnseenNotices::ReadSessionState() const {
    const auto query = SystemProc<QuerySessionProc>("wtsapi32.dll", "WTSQuerySessionInformationW");
    const auto release = SystemProc<FreeMemoryProc>("wtsapi32.dll", "WTSFreeMemory");
    LPWSTR buffer = nullptr;
    DWORD length = 0;
    if (!query || !release ||
        !query(WTS_CURRENT_SERVER_HANDLE, WTS_CURRENT_SESSION, kWtsSessionInfoEx, &buffer, &length)) {
        return std::nullopt;
    }
    std::optional<SessionStateRead> read;
    WtsInfoEx info{};
    if (buffer && length >= sizeof info) {
        std::memcpy(&info, buffer, sizeof info);
        if (info.Level == 1) {
            const WtsInfoExLevel1& session = info.Data.WTSInfoExLevel1;
            read = SessionStateRead{static_cast<DWORD>(session.SessionState), session.SessionFlags,
                                    m_lockFlagsReversed};
        }
    }
    release(buffer);
    return read;
}

std::optional<DisplayState> DisplayStateOf(const POWERBROADCAST_SETTING& setting) {
    const bool session = IsEqualGUID(setting.PowerSetting, kSessionDisplayStatus);
    const bool console = IsEqualGUID(setting.PowerSetting, kMonitorPowerOn);
    if (!(session || console) || setting.DataLength != sizeof(DWORD)) return std::nullopt;
    DWORD state = 0;
    std::memcpy(&state, setting.Data, sizeof state);
    return DisplayState{state, console};
}

std::optional<DWORD> OwnSessionId() {
    DWORD session = 0;
    if (!::ProcessIdToSessionId(::GetCurrentProcessId(), &session)) return std::nullopt;
    return session;
}

bool IsUserTouch(UINT message, LPARAM lParam) {
    if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) return true;
    if (message != WM_SETCURSOR) return false;
    switch (HIWORD(lParam)) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_XBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
        case WM_NCMBUTTONDOWN: return true;
        default: return false;
    }
}
