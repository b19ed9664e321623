// What tells a window when nobody can see it, beyond its own state: its
// session's and its session's display's notices, and its session's state.
//   CUnseenNotices     a window's registration for the notices, undone as it
//                      goes, and the reading of its session's state
//   DisplayStateOf     the display's state that a power setting notice gives
//   OwnSessionId       the program's session
//   IsUserTouch        a key or a click that reaches a window
#pragma once

#include <windows.h>

#include <optional>

#include "owned_handle.h"

// The session's state as the system reads it back: its connection state
// (WTS_CONNECTSTATE_CLASS) and its lock flags (WTS_SESSIONSTATE_*), with
// whether this system reverses the flags' meaning.
struct SessionStateRead {
    DWORD connectState;
    LONG lockFlags;
    bool lockFlagsReversed;
};

// The session's notices come as WM_WTSSESSION_CHANGE; the display's as
// WM_POWERBROADCAST with PBT_POWERSETTINGCHANGE: the session's display from
// Windows 8 on, the console's monitor before. Where the system refuses
// either, the window hears nothing of it.
class CUnseenNotices {
public:
    void Register(HWND window);
    // Before the window is destroyed, as the system asks.
    void Unregister();

    // The program's session's state, where the system answers: from
    // Windows 7 on (Wine 8 refuses).
    std::optional<SessionStateRead> ReadSessionState() const;

private:
    static void UnregisterSession(HWND window);

    COwnedHandle<HWND, &UnregisterSession> m_session;
    COwnedHandle<HPOWERNOTIFY, &::UnregisterPowerSettingNotification> m_display;
    bool m_lockFlagsReversed = false;
};

// The display's state (off, on or dimmed) from a notice's power setting, if
// it is a display's and holds the one value that it documents, with whether
// it is the console's monitor's rather than the session's display's.
struct DisplayState {
    DWORD state;
    bool consoleMonitor;
};
std::optional<DisplayState> DisplayStateOf(const POWERBROADCAST_SETTING& setting);

// The program's own session, where it can be read.
std::optional<DWORD> OwnSessionId();

// A key pressed at the window, or a mouse button pressed over it or any of
// its controls (which the system tells the window as it sets the cursor).
bool IsUserTouch(UINT message, LPARAM lParam);
