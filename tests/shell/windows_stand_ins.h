// Stand-ins for what Windows does where Wine does not, each written from
// Microsoft's documentation of the behaviour, named at each. They are the
// window tests' model of Windows: the program never depends on them.
//   ImportReplacement   one of the test program's imports, replaced for a while
//   PerMonitorDialogs   the dialog manager's handling of a change of scale
//   HotKeyAutoRepeat    a registered hot key held down, with the keyboard's repeat
//   SecureDesktop       the pointer unreadable while another desktop takes the input
//   CommonControlsOnRequest  the classes that the common controls are asked for
//   HighContrast        the user's high-contrast setting, on
//   FirstShowFromStartUpInfo the state that the starting program asked for, at the first show
//   SessionChange, DisplayStatus  the session's notices and its display's state
//   WindowsSession      the system's version and its session's state, read back
//   UiaNotifications    UI Automation's notifications, and which providers they take
#pragma once

#include <windows.h>
#include <wtsapi32.h>

#include <uiautomationcore.h>

#include <string>
#include <vector>

namespace huevane_test {

// Replaces the test program's import of `function` from `dll` with
// `replacement` for the object's life. The program's code is linked into
// the test program, so its calls go through the same import.
class ImportReplacement {
public:
    ImportReplacement(const char* dll, const char* function, const void* replacement);
    ~ImportReplacement();
    ImportReplacement(const ImportReplacement&) = delete;
    ImportReplacement& operator=(const ImportReplacement&) = delete;

    template <class Function>
    Function Original() const {
        return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(original_));
    }

private:
    void Write(void* value);

    void** slot_ = nullptr;
    void* original_ = nullptr;
};

// Per-Monitor v2 dialogs. "In response to a DPI change, the dialog manager
// will re-layout each control, update the font on each control, resize the
// dialog, and update the dialog's own font" (DIALOG_DPI_CHANGE_BEHAVIORS,
// DDC_DEFAULT; per control, DCDC_DEFAULT: "update the font, size, and
// position of the child window"). Wine 8 and 10 do none of it. While an
// object lives, every dialog created on this thread gets this handling as its
// default handling of WM_DPICHANGED, in this order: the window sized to the
// suggested rectangle, each control's place and size scaled, and each
// control sent the dialog's font at the new scale (WM_SETFONT).
class PerMonitorDialogs {
public:
    PerMonitorDialogs();
    ~PerMonitorDialogs();
    PerMonitorDialogs(const PerMonitorDialogs&) = delete;
    PerMonitorDialogs& operator=(const PerMonitorDialogs&) = delete;

    // Sends `dialog` what Windows sends when it comes to a monitor of scale
    // `dpi`, or the user changes the scale to it: WM_GETDPISCALEDSIZE, then
    // WM_DPICHANGED with the size that the dialog answered, else its own
    // scaled linearly ("linear DPI scaling is the default behavior"), top left
    // corner kept.
    static void ChangeScale(HWND dialog, UINT dpi);
    // The same change while the user drags the dialog onto a screen of scale
    // `dpi`: Windows sends it inside the move loop (between WM_ENTERSIZEMOVE
    // and WM_EXITSIZEMOVE) with a rectangle that keeps the window under the
    // pointer, here with its top left corner at `topLeft`.
    static void ChangeScaleWhileDragged(HWND dialog, UINT dpi, POINT topLeft);

private:
    HHOOK hook_ = nullptr;
};

// "MOD_NOREPEAT: Changes the hotkey behavior so that the keyboard auto-repeat
// does not yield multiple hotkey notifications" (RegisterHotKey). While an
// object lives, it sees the test program's registrations; Hold delivers the
// hot key as Windows does while its combination is held: WM_HOTKEY posted at
// the key-down and again at each auto-repeat unless the registration had
// MOD_NOREPEAT. Wine ignores MOD_NOREPEAT.
class HotKeyAutoRepeat {
public:
    HotKeyAutoRepeat();

    // Holds the combination last registered for `window` and `id` through
    // `repeats` auto-repeats, then lets go; handles every message posted.
    void Hold(HWND window, int id, int repeats) const;

private:
    ImportReplacement registration_;
};

// "The input desktop must be the current desktop when you call
// GetCursorPos" (GetCursorPos): while the screen is locked or an elevation
// prompt is shown it is not, and the call fails. While an object lives every
// GetCursorPos of the test program fails so.
class SecureDesktop {
public:
    SecureDesktop();

private:
    ImportReplacement cursor_;
};

// "Under Comctl32.dll version 6.0 and later, InitCommonControls does
// nothing. Applications must explicitly register all common controls through
// InitCommonControlsEx" (InitCommonControls). While an object lives it keeps
// the classes asked for, and asks for them as before.
class CommonControlsOnRequest {
public:
    CommonControlsOnRequest();
    // The ICC_ flags of every well-formed request, in order.
    const std::vector<DWORD>& Requests() const;

private:
    ImportReplacement lookUp_;
};

// "HCF_HIGHCONTRASTON: The high contrast feature is on" (HIGHCONTRAST), as
// SystemParametersInfo's SPI_GETHIGHCONTRAST gives it. Wine refuses to set
// the feature (SPI_SETHIGHCONTRAST). While an object lives, the test program
// reads the feature as on; every other setting is the system's.
class HighContrast {
public:
    HighContrast();

private:
    ImportReplacement query_;
};

// "[nCmdShow] is ignored the first time an application calls ShowWindow, if
// the program that launched the application provides a STARTUPINFO
// structure ... Applications create their main window by calling
// CreateWindow with the WS_VISIBLE flag set" (ShowWindow); a shortcut set to
// "Run: Minimized" gives SW_SHOWMINNOACTIVE. Wine shows the window as asked.
// While an object lives, the first dialog created visible is then shown so.
class FirstShowFromStartUpInfo {
public:
    explicit FirstShowFromStartUpInfo(int startUpShow);

private:
    ImportReplacement creation_;
};

// "Session change notifications are sent in the form of a WM_WTSSESSION_CHANGE
// message" (WTSRegisterSessionNotification), with "wParam: Status code
// describing the reason" and "lParam: The identifier of the session"
// (WM_WTSSESSION_CHANGE). Wine sends none. Of the test program's session,
// or of another.
void SessionChange(HWND window, WPARAM status, bool ownSession = true);

// VerifyVersionInfoW: "If the currently running operating system satisfies
// the specified requirements, the return value is a nonzero value"; here
// Windows 6.`minor` (1: Windows 7, 2: Windows 8). WTSQuerySessionInformationW
// with WTSSessionInfoEx, which Wine 8 refuses: "WTSINFOEX_LEVEL1 ...
// SessionFlags: WTS_SESSIONSTATE_LOCK (0x0) The session is locked.
// WTS_SESSIONSTATE_UNLOCK (0x1) The session is unlocked. Windows Server 2008
// R2 and Windows 7: Due to a code defect, the usage of the
// WTS_SESSIONSTATE_LOCK and WTS_SESSIONSTATE_UNLOCK flags is reversed", its
// buffer freed by WTSFreeMemory. While an object lives, the test program
// runs on that system, in a session in the state last set.
class WindowsSession {
public:
    WindowsSession(DWORD minor, WTS_CONNECTSTATE_CLASS state, bool locked);
    void Set(WTS_CONNECTSTATE_CLASS state, bool locked);

private:
    ImportReplacement version_;
    ImportReplacement lookUp_;
};

// WM_POWERBROADCAST with PBT_POWERSETTINGCHANGE: "lParam: Pointer to a
// POWERBROADCAST_SETTING structure", whose Data for
// GUID_SESSION_DISPLAY_STATUS "is a DWORD": "0x0 - The display is off. 0x1 -
// The display is on. 0x2 - The display is dimmed." (Power Setting GUIDs).
// Sent, with a DataLength of `length`. Wine sends none.
void DisplayStatus(HWND window, DWORD status, DWORD length = sizeof(DWORD));
// "The object retrieved by [UiaHostProviderFromHwnd] is useful only for
// responding to calls to IRawElementProviderSimple::get_HostRawElementProvider.
// You cannot use the object to raise events"; Wine 8 has no
// UiaRaiseNotificationEvent (Windows 10 1709 and later). While an object
// lives, the test program finds it: a notification raised on an object that
// UiaHostProviderFromHwnd gave meanwhile (each is kept) is refused, any other
// is said.
class UiaNotifications {
public:
    UiaNotifications();
    ~UiaNotifications();
    // The texts said, in order.
    const std::vector<std::string>& Said() const;
    // The provider that the last text was said on, if any.
    IRawElementProviderSimple* SaidOn() const;
    // The window that UiaHostProviderFromHwnd gave `host` for, if it did.
    HWND HostedWindow(IRawElementProviderSimple* host) const;

private:
    ImportReplacement lookUp_;
};

}  // namespace huevane_test
