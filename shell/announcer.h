// Announcer: what the picker says to the user, where the system has UI
// Automation's notifications (Windows 10 1709 and later), raised on a provider
// of the picker's own, as "How to Expose a Server-Side UI Automation Provider"
// has it: a child window of the main window answers WM_GETOBJECT with the
// provider, and the provider's host is that window. The window is made at run
// time, 1 by 1 pixel in the top left corner of the client area, where no
// control stands, painted as the dialog's background; shown, since UI
// Automation passes hidden windows by, but disabled and never a tab stop.
#pragma once

#include <windows.h>

#include <string_view>

#include "announcement_provider.h"
#include "platform/accessibility_api.h"

class Announcer {
public:
    // The class of the announcements' window.
    static constexpr const char* kWindowClass = "HuevaneAnnouncements";

    Announcer() = default;
    ~Announcer();
    Announcer(const Announcer&) = delete;
    Announcer& operator=(const Announcer&) = delete;

    // Makes the announcements' window in `parent`, which it goes with.
    void Create(HWND parent);

    // Says `text` to the user, once.
    void Announce(std::string_view text);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Answer(WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc) const;
    void Destroyed();
    // The provider, made at the first need; null where it cannot be.
    AnnouncementProvider* Provider();

    // Declared first, so that COM is left only after the provider has gone.
    ComApartment com_;
    HWND window_ = nullptr;
    AnnouncementProvider* provider_ = nullptr;
};
