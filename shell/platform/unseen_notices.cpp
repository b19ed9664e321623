#include "unseen_notices.h"

#include <cstring>

#include "system_library.h"

namespace {

// The display of the window's own session, right under Remote Desktop too
// (Windows 8 on), and the primary monitor's power, which Windows Vista and 7
// give in its place.
constexpr GUID kSessionDisplayStatus{
    0x2b84c20e, 0xad23, 0x4ddf, {0x93, 0xdb, 0x05, 0xff, 0xbd, 0x7e, 0xfc, 0xa5}};
constexpr GUID kMonitorPowerOn{0x02731015, 0x4510, 0x4526, {0x99, 0xe6, 0xe5, 0xa1, 0x7e, 0xbd, 0x1a, 0xea}};

// wtsapi32 is none of Windows' known DLLs: it comes from System32, once the
// program runs.
using RegisterSessionProc = BOOL(WINAPI*)(HWND, DWORD);
using UnregisterSessionProc = BOOL(WINAPI*)(HWND);
constexpr DWORD kNotifyForThisSession = 0;

}  // namespace

void CUnseenNotices::Register(HWND window) {
    Unregister();
    const auto registerSession =
        SystemProc<RegisterSessionProc>("wtsapi32.dll", "WTSRegisterSessionNotification");
    if (registerSession && registerSession(window, kNotifyForThisSession)) m_session.Reset(window);
    HPOWERNOTIFY display =
        ::RegisterPowerSettingNotification(window, &kSessionDisplayStatus, DEVICE_NOTIFY_WINDOW_HANDLE);
    if (!display)
        display = ::RegisterPowerSettingNotification(window, &kMonitorPowerOn, DEVICE_NOTIFY_WINDOW_HANDLE);
    m_display.Reset(display);
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

std::optional<DWORD> DisplayStateOf(const POWERBROADCAST_SETTING& setting) {
    const bool display = IsEqualGUID(setting.PowerSetting, kSessionDisplayStatus) ||
                         IsEqualGUID(setting.PowerSetting, kMonitorPowerOn);
    if (!display || setting.DataLength != sizeof(DWORD)) return std::nullopt;
    DWORD state = 0;
    std::memcpy(&state, setting.Data, sizeof state);
    return state;
}
