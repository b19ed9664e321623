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

// The session's notices, by the platform's codes; others change nothing.
inline constexpr std::uint64_t kConsoleConnect = 1;
inline constexpr std::uint64_t kConsoleDisconnect = 2;
inline constexpr std::uint64_t kRemoteConnect = 3;
inline constexpr std::uint64_t kRemoteDisconnect = 4;
inline constexpr std::uint64_t kSessionLock = 7;
inline constexpr std::uint64_t kSessionUnlock = 8;
Effects OnSessionChange(PickerState& state, std::uint64_t code);

// The state of the session's display, by the platform's values; others
// change nothing.
inline constexpr std::uint32_t kDisplayOff = 0;
inline constexpr std::uint32_t kDisplayOn = 1;
inline constexpr std::uint32_t kDisplayDimmed = 2;
Effects OnDisplayChange(PickerState& state, std::uint32_t display);

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
