// Effects: what the window must carry out after a rule has changed the picker
// state. Every operation returns them in the order the window must carry them
// out. They are plain data, so whole lists compare with ==.
#pragma once

#include <array>
#include <cstdint>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "colorref.h"

namespace huevane {

// A menu item by (popup position, item position), both from 0.
struct MenuItem {
    int popup;
    int item;
    bool operator==(const MenuItem&) const = default;
};

// The controls whose enabled state the rules decide.
enum class Control { Copy, Slot1, Slot2, Slot3, Slot4, Slot5, HotKey };

struct EnableControl {
    Control control;
    bool enable;
    bool operator==(const EnableControl&) const = default;
};

struct ToggleMenuMark {
    MenuItem item;
    bool operator==(const ToggleMenuMark&) const = default;
};

// Arm the sampling timer, or arm it anew: its 25 ms start again.
struct StartSampleTimer {
    bool operator==(const StartSampleTimer&) const = default;
};

struct StopSampleTimer {
    bool operator==(const StopSampleTimer&) const = default;
};

// Read the pixel under the pointer now and report it (OnCaptureRead): a
// capture while the window cannot be seen, when no tick has read it since.
struct ReadForCapture {
    bool operator==(const ReadForCapture&) const = default;
};

// Keep the window above all non-topmost windows, or stop doing so; it keeps
// its place and size either way.
struct SetTopmost {
    bool topmost;
    bool operator==(const SetTopmost&) const = default;
};

// Invalidate the whole client area with erasing.
struct RepaintWindow {
    bool operator==(const RepaintWindow&) const = default;
};

// A combination of the one global hot key: the key and its flags as the hot
// key control shows them (HOTKEYF_*), and the modifiers that registration
// takes (MOD_*).
struct HotKeyCombination {
    std::uint16_t virtualKey;
    std::uint16_t flags;
    std::uint32_t modifiers;
    bool operator==(const HotKeyCombination&) const = default;
};

// Why a registration is asked for: what follows a refusal depends on it.
enum class HotKeyRequest {
    StartUp,    // the combination that every start begins with
    SwitchOn,   // Hot Keys switched on: the stored combination
    Change,     // '<': the combination that the control shows
    KeepStored  // the stored combination again, after a change was refused
};

// Why a combination cannot be the hot key, as the user is told.
enum class HotKeyRefusal {
    Taken,    // another program holds it
    Unusable  // the platform does not take it as a hot key (F12, kept for debuggers)
};

// Register the one global hot key. The window tells the rules what the
// platform answered (OnHotKeyBound).
struct BindHotKey {
    HotKeyCombination combination;
    HotKeyRequest request;
    // For KeepStored: the combination whose change was refused, and why.
    HotKeyCombination refused{};
    HotKeyRefusal refusal = HotKeyRefusal::Taken;
    // Registered so that a held combination sends the hot key once, unless
    // the platform refused that.
    bool noRepeat = true;
    bool operator==(const BindHotKey&) const = default;
};

// The platform's answer to a registration, as the window reads it.
enum class HotKeyAnswer {
    Registered,
    AlreadyRegistered,  // the combination is registered already, by another program or by this window
    Refused             // any other refusal
};

struct ReleaseHotKey {
    bool operator==(const ReleaseHotKey&) const = default;
};

// Take the menu bar off the window and destroy it: a window destroys the
// menu it still holds as it goes, which would free the same menu twice.
struct DestroyMenuBar {
    bool operator==(const DestroyMenuBar&) const = default;
};

// Show a combination in the hot key control, flags as the control takes them
// (HOTKEYF_*).
struct ShowHotKey {
    std::uint16_t virtualKey;
    std::uint16_t flags;
    bool operator==(const ShowHotKey&) const = default;
};

// Tell the user, in a box over the window once it is open and its handler
// done, that `refused` cannot be the hot key and why: which combination
// stays in force, if any, and whether Hot Keys was switched off for it.
struct TellHotKeyRefused {
    HotKeyCombination refused;
    HotKeyRefusal refusal;
    std::optional<HotKeyCombination> kept;
    bool hotKeysOff;
    bool operator==(const TellHotKeyRefused&) const = default;
};

// The hot key control's rules: combinations it refuses (HKCOMB_*) and the
// flags it puts in their place.
struct SetHotKeyRules {
    std::uint16_t invalidCombinations;
    std::uint16_t replacementFlags;
    bool operator==(const SetHotKeyRules&) const = default;
};

struct AddFormatItem {
    std::string text;
    bool operator==(const AddFormatItem&) const = default;
};

struct SelectFormatItem {
    int index;
    bool operator==(const SelectFormatItem&) const = default;
};

// Replace the value edit box's whole text.
struct SetValueText {
    std::string text;
    bool operator==(const SetValueText&) const = default;
};

// The three steps of a copy, sent to the value edit box in this order.
struct SelectAllValueText {
    bool operator==(const SelectAllValueText&) const = default;
};
struct ScrollValueCaret {
    bool operator==(const ScrollValueCaret&) const = default;
};
struct CopyValueSelection {
    bool operator==(const CopyValueSelection&) const = default;
};

// Fill swatch k with colours[k - 1], swatch 1 first.
struct PaintSwatches {
    std::array<COLORREF, 5> colours;
    bool operator==(const PaintSwatches&) const = default;
};

// The Copy button's name has changed: tell assistive technology.
struct CopyNameChanged {
    bool operator==(const CopyNameChanged&) const = default;
};

// The swatches' and numbered buttons' names have changed: tell assistive
// technology, once for each.
struct SlotNamesChanged {
    bool operator==(const SlotNamesChanged&) const = default;
};

// The screen check (screen_check.h): paint the probe, or paint over it with
// the window's background; arm the check's timer with a period, or kill it.
struct PaintProbe {
    bool operator==(const PaintProbe&) const = default;
};
struct EraseProbe {
    bool operator==(const EraseProbe&) const = default;
};
struct ArmScreenCheck {
    unsigned periodMs;
    bool operator==(const ArmScreenCheck&) const = default;
};
struct StopScreenCheck {
    bool operator==(const StopScreenCheck&) const = default;
};

// Tell the user, in a box over the window once its handler is done, that
// the screen cannot be read here.
struct TellScreenUnreadable {
    bool operator==(const TellScreenUnreadable&) const = default;
};

// Show nothing as read: the live text empty, the preview and the zoom view
// their plain background.
struct ShowNothingRead {
    bool operator==(const ShowNothingRead&) const = default;
};

// Say `text` to the user through assistive technology, once.
struct Announce {
    std::string text;
    bool operator==(const Announce&) const = default;
};

using Effect = std::variant<EnableControl, ToggleMenuMark, StartSampleTimer, StopSampleTimer, ReadForCapture,
                            SetTopmost, RepaintWindow, BindHotKey, ReleaseHotKey, DestroyMenuBar, ShowHotKey,
                            TellHotKeyRefused, SetHotKeyRules, AddFormatItem, SelectFormatItem, SetValueText,
                            SelectAllValueText, ScrollValueCaret, CopyValueSelection, PaintSwatches,
                            SlotNamesChanged, CopyNameChanged, Announce, PaintProbe, EraseProbe,
                            ArmScreenCheck, StopScreenCheck, TellScreenUnreadable, ShowNothingRead>;

using Effects = std::vector<Effect>;

// Adds `more` at the end of `effects`, keeping both orders.
inline void Append(Effects& effects, Effects more) {
    effects.insert(effects.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}

// Readable effects in failed checks.
std::ostream& operator<<(std::ostream& out, const Effect& effect);

}  // namespace huevane
