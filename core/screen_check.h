// Whether the screen can be read: a screen read can report success and give
// black where the desktop lets no program read it (under Wine on a Wayland
// desktop, every pixel of every window). The picker paints a few pixels of
// its own window, reads them back through the tick's screen read and
// compares; while what comes back is not what it painted, it shows no colour
// as read and captures nothing.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "colorref.h"
#include "effects.h"

namespace huevane {

struct PickerState;

// The check's own timer: steps while a check reads, and a check again a few
// seconds later while reads fail.
inline constexpr unsigned kScreenCheckTimerId = 2;
// A step is the shortest period that a timer takes (USER_TIMER_MINIMUM): the
// window waits for its messages between two steps, which is when what it
// painted goes to the screen, and the reads must agree besides. The first
// live colour waits for the check's verdict, so the steps are kept short.
inline constexpr unsigned kProbeStepMs = 10;
inline constexpr unsigned kRecheckMs = 3000;

// The probe, left to right: colours of the picker's own and of no theme, so
// black in none, and each unlike the others, so that a read that gives one
// colour for every pixel can never match.
inline constexpr std::array<COLORREF, 3> kProbeColours{MakeColor(255, 0, 0), MakeColor(0, 255, 0),
                                                       MakeColor(0, 0, 255)};
using ProbePixels = std::array<COLORREF, kProbeColours.size()>;

// Reads of the probe that must agree before they count: the screen catches
// up with what was painted in its own time. After the most reads without
// agreement the check gives no verdict.
inline constexpr std::size_t kAgreeingReads = 3;
inline constexpr std::size_t kMostProbeReads = 20;

enum class ScreenReading { Unchecked, Readable, Unreadable };

struct ScreenCheck {
    ScreenReading reading = ScreenReading::Unchecked;
    bool toldUnreadable = false;  // the user is told once in the picker's life
    bool probePainted = false;    // a check is reading the probe
    bool restedUnseen = false;    // a check was due while the window was unseen
    // The reads of this check, first first; none where another window
    // covered the probe.
    std::vector<std::optional<ProbePixels>> reads;
};

enum class ProbeVerdict {
    ReadAgain,   // too few reads, or they do not agree yet
    NoVerdict,   // covered, off the screens, or never settled
    Readable,    // the screen gave back what was painted
    Unreadable,  // it settled on something else
};

// The rule: what was painted against what came back, covered or not.
ProbeVerdict JudgeProbe(const std::vector<std::optional<ProbePixels>>& reads);

// The screen may have changed: the window was first shown, restored, or the
// display changed. A check starts at the next step of its timer.
Effects CheckScreen(PickerState& state);

// A step of the check's timer, with the probe as read now (none where the
// window there is not the picker's own). Unseen, it does not check.
Effects OnScreenCheckTimer(PickerState& state, const std::optional<ProbePixels>& read);

// Whether the tick shows what it reads (only once a check read the probe
// back), and whether what it reads becomes the current colour and a capture
// stores one (not while reads fail).
bool ShowsReads(const PickerState& state);
bool StoresReads(const PickerState& state);

// The box's text; the cause and what to do only where the program can tell
// that it runs under Wine on a Wayland desktop.
std::string ScreenUnreadableText(bool wineOnWayland);

}  // namespace huevane
