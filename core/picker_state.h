// The picker state that the main window holds for its whole life. The
// members keep the window's names and their declared order; the rules that
// change them live in the other headers of this folder.
#pragma once

#include <cstdint>
#include <string>

#include "colorref.h"
#include "menu_marks.h"
#include "screen_check.h"

namespace huevane {

struct UnseenReasons {
    bool minimised = false;
    bool sessionLocked = false;
    bool sessionDisconnected = false;
    bool displayOff = false;  // dimmed, it is still seen
    // The display off was told as the console's monitor's power, which is
    // the session's display only while the session is the console's.
    bool displayOffOnConsole = false;

    bool Any() const { return minimised || sessionLocked || sessionDisconnected || displayOff; }
    bool operator==(const UnseenReasons&) const = default;
};

struct PickerState {
    // View switches, each 0 or 1 and flipped by an exclusive-or with 1.
    std::int32_t m_bZoom = 0;
    std::int32_t m_bHotKeys = 0;
    std::int32_t m_bSampling = 0;
    std::int32_t m_bOnTop = 0;

    // Why nothing that the window shows can be seen, as the platform last
    // reported each: while any holds, the picker rests.
    UnseenReasons m_unseen;

    // Whether the screen gives back what the window painted, as last checked.
    ScreenCheck m_screenCheck;

    // Capture history, slot 1 the newest.
    COLORREF m_crHistory1 = kInitialSlotColour;
    COLORREF m_crHistory2 = kInitialSlotColour;
    COLORREF m_crHistory3 = kInitialSlotColour;
    COLORREF m_crHistory4 = kInitialSlotColour;
    COLORREF m_crHistory5 = kInitialSlotColour;

    // The pixel under the pointer at the last readable tick; a capture before
    // the first tick pushes the slots' initial colour.
    COLORREF m_crCurrent = kInitialSlotColour;

    int m_nFormat = 0;
    int m_nCaptured = 0;

    // The scale preset in force.
    int m_nZoomOffset = 0;
    int m_nZoomSize = 0;

    // The hot key: as the hot key control reported it, and the modifiers that
    // every registration takes.
    std::uint16_t m_wHotKeyVk = 0;
    std::uint16_t m_wHotKeyFlags = 0;
    std::uint32_t m_nHotKeyMods = 0;
    // Whether the picker's own registration of the stored combination is in
    // force: registering it again is then refused as registered already.
    bool m_bHotKeyInForce = false;

    // The text that the last Copy put on the clipboard, for the Copy
    // button's accessible name while the button keeps the focus.
    std::string m_sLastCopied;

    MenuMarks m_marks;
};

}  // namespace huevane
