// The notices that tell a window when nobody can see it, beyond its own
// state: its session's and its session's display's.
//   CUnseenNotices     a window's registration for both, undone as it goes
//   DisplayStateOf     the display's state that a power setting notice gives
#pragma once

#include <windows.h>

#include <optional>

#include "owned_handle.h"

// The session's notices come as WM_WTSSESSION_CHANGE; the display's as
// WM_POWERBROADCAST with PBT_POWERSETTINGCHANGE. Where the system refuses
// either, the window hears nothing of it and goes on as if always seen.
class CUnseenNotices {
public:
    void Register(HWND window);
    // Before the window is destroyed, as the system asks.
    void Unregister();

private:
    static void UnregisterSession(HWND window);

    COwnedHandle<HWND, &UnregisterSession> m_session;
    COwnedHandle<HPOWERNOTIFY, &::UnregisterPowerSettingNotification> m_display;
};

// The display's state (off, on or dimmed) from a notice's power setting, if
// it is the display's and holds the one value that it documents.
std::optional<DWORD> DisplayStateOf(const POWERBROADCAST_SETTING& setting);
