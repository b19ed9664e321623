// The sampling tick's rules: what a pixel read under the pointer changes and
// what the window then draws.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "colorref.h"
#include "effects.h"
#include "zoom_geometry.h"

namespace huevane {

struct PickerState;

struct SampleDrawing {
    std::optional<std::string> liveText;    // the live readout's new text, if any
    std::optional<COLORREF> previewColour;  // the colour to fill the preview with, if any
    bool drawZoom;                          // draw the zoom view at the preset in force
};

// What a tick reads from the screen. Only what lies on the screens is read:
// a pixel off them has no colour, and the part of the zoom source square
// beyond them is black in the copy.
struct ScreenRead {
    // Where the colour under the pointer is read: from the copy of the square
    // (zoom on, so that the screen is read once), from the screen itself
    // (zoom off), or nowhere (the pointer is on no screen).
    enum class From { Nowhere, Square, Screen };

    std::optional<Rect> square;           // the zoom source square to copy, while zoom is on
    std::optional<Rect> squareOnScreens;  // its part on the screens, the only part read
    From colourFrom;
    Point colourAt;  // in the copy, from its top-left corner; on the screen, in screen coordinates
    bool operator==(const ScreenRead&) const = default;
};

// The reading of one tick: the pointer, the scale preset in force and the
// bounds of all screens together decide it. A pointer that could not be read
// (the input desktop is another one, as while the screen is locked or an
// elevation prompt is shown) gives no reading: the tick then shows nothing
// new, and the current colour stays the last one read, which a capture takes.
std::optional<ScreenRead> PlanScreenRead(const PickerState& state, std::optional<Point> pointer,
                                         const Rect& screens);

// A readable pixel becomes the current colour, shown as text in the format
// in force and in the preview. An unreadable one (the platform's invalid
// colour) is no colour at all: the current colour, the live text and the
// preview stay as the last readable pixel left them, so that a capture can
// never push it into the history or onto the clipboard.
SampleDrawing OnSample(PickerState& state, COLORREF pixel);

// While nothing that the window shows can be seen (it is minimised, its
// session is locked or disconnected, or its display is off) sampling pauses;
// it goes on, if it was running, the moment the last of these ends. Each is
// reported as a state: a report of what holds already changes nothing.
Effects OnMinimisedChanged(PickerState& state, bool minimised);

// The session's state as the platform reads it back, in its own values: the
// connection state (WTS_CONNECTSTATE_CLASS) and the lock flags
// (WTS_SESSIONSTATE_*), whose meaning Windows 7 and Server 2008 R2 reverse.
inline constexpr std::uint32_t kSessionActive = 0;
inline constexpr std::uint32_t kSessionConnected = 1;
inline constexpr std::uint32_t kSessionConnectQuery = 2;
inline constexpr std::uint32_t kSessionShadow = 3;
inline constexpr std::uint32_t kSessionDisconnected = 4;
inline constexpr std::uint32_t kSessionIdle = 5;
inline constexpr std::uint32_t kSessionListen = 6;
inline constexpr std::uint32_t kSessionReset = 7;
inline constexpr std::uint32_t kSessionDown = 8;
inline constexpr std::uint32_t kSessionInit = 9;
inline constexpr std::int32_t kSessionLockFlag = 0;
inline constexpr std::int32_t kSessionUnlockFlag = 1;
struct SessionState {
    std::uint32_t connectState;
    std::int32_t lockFlags;
    bool lockFlagsReversed;
};

// What the window knows of its session at a moment: its state, where the
// platform answers the query; its identifier, where it could be read; the
// console's session (none while one is being attached or detached).
struct SessionReading {
    std::optional<SessionState> state;
    std::optional<std::uint32_t> ownSession;
    std::uint32_t consoleSession;
};

// The session's state read at start: what it tells holds.
Effects OnSessionRead(PickerState& state, const SessionReading& reading);

// The session's notices, by the platform's codes, with the session they are
// about: only the program's own session's connect, disconnect, lock and
// unlock change anything. A notice is a hint: the state read back with it
// decides what it can tell, the notice only what the state leaves unknown.
inline constexpr std::uint64_t kConsoleConnect = 1;
inline constexpr std::uint64_t kConsoleDisconnect = 2;
inline constexpr std::uint64_t kRemoteConnect = 3;
inline constexpr std::uint64_t kRemoteDisconnect = 4;
inline constexpr std::uint64_t kSessionLock = 7;
inline constexpr std::uint64_t kSessionUnlock = 8;
Effects OnSessionChange(PickerState& state, std::uint64_t code, std::uint32_t session,
                        const SessionReading& reading);

// The state of the display, by the platform's values; others change nothing.
// The session's own display counts always; the console's monitor (all that
// Windows Vista and 7 tell) only while the session is the console's, and
// what it said ends as the session leaves the console.
inline constexpr std::uint32_t kDisplayOff = 0;
inline constexpr std::uint32_t kDisplayOn = 1;
inline constexpr std::uint32_t kDisplayDimmed = 2;
enum class DisplayOf { Session, ConsoleMonitor };
Effects OnDisplayChange(PickerState& state, std::uint32_t display, DisplayOf of,
                        const SessionReading& reading);

// The user touched the picker (the hot key, a key or a click): the session's
// state read again decides; where it cannot be read, the touch proves the
// session unlocked, connected and its display on. A program can post such a
// touch, but no user's reaches a session that is locked, disconnected or
// dark. Minimised stays as the window reports it.
Effects OnTouched(PickerState& state, const SessionReading& reading);

// Whether a tick reads the pointer and the screen: only while the window can
// be seen.
bool TickReads(const PickerState& state);

// Where a capture while the window cannot be seen reads its one pixel: under
// the pointer, if the pointer could be read and lies on the screens.
std::optional<Point> PlanCaptureRead(std::optional<Point> pointer, const Rect& screens);

// The pixel read for a capture becomes the current colour, by the rule of a
// tick's pixel, and is captured.
Effects OnCaptureRead(PickerState& state, COLORREF pixel);

}  // namespace huevane
