// Hot key binding: the one global hot key that captures the current colour,
// its combination (Alt+C at start), the rules of the hot key control, and
// when the hot key is registered and released.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "effects.h"

namespace huevane {

struct PickerState;

// The identifier of the one hot key: every registration, release and test of
// a hot key message uses it.
inline constexpr unsigned HOTKEY_ID = 12269;

inline constexpr std::uint16_t kDefaultHotKeyVk = 0x43;  // 'C'

// Modifier flags as the hot key control reports and accepts them.
inline constexpr std::uint16_t kHotKeyFlagShift = 0x01;
inline constexpr std::uint16_t kHotKeyFlagControl = 0x02;
inline constexpr std::uint16_t kHotKeyFlagAlt = 0x04;
inline constexpr std::uint16_t kHotKeyFlagExtended = 0x08;  // an extended key, not a modifier

// Modifiers as registration takes them: Shift and Alt sit in swapped bits.
inline constexpr std::uint32_t kModAlt = 0x0001;
inline constexpr std::uint32_t kModControl = 0x0002;
inline constexpr std::uint32_t kModShift = 0x0004;

// Combinations that the hot key control refuses: none, and two or three
// modifiers. It shows Alt plus the key in their place.
inline constexpr std::uint16_t kCombNone = 0x01;
inline constexpr std::uint16_t kCombShiftControl = 0x10;
inline constexpr std::uint16_t kCombShiftAlt = 0x20;
inline constexpr std::uint16_t kCombControlAlt = 0x40;
inline constexpr std::uint16_t kCombShiftControlAlt = 0x80;
inline constexpr std::uint16_t kRefusedCombinations =
    kCombNone | kCombShiftControl | kCombShiftAlt | kCombControlAlt | kCombShiftControlAlt;

// The registration modifiers for the control's flags, or `current` when the
// flags, the extended-key flag left aside, are not exactly one modifier.
std::uint32_t TranslateHotKeyFlags(std::uint16_t flags, std::uint32_t current);

// Start-up: the control shows Alt+C and gets its rules; Alt+C is registered.
Effects HotKeySetUp(PickerState& state);

// The '<' button, with what the hot key control shows now: the old hot key is
// released and the new one registered, whatever the Hot Keys switch says. The
// new combination is stored once the platform has registered it.
Effects OnSetHotKey(PickerState& state, std::uint16_t virtualKey, std::uint16_t flags);

// What the platform answered to a registration. A combination that another
// program holds, or that the platform does not take, is never shown as
// working: a refused change keeps the stored combination, registered again
// and shown again in the control; a refusal at start-up switches Hot Keys
// off; every refusal is told to the user, as what it is. The picker's own
// registration, refused as registered already, is in force. A refusal of
// another kind is first asked again without the no-repeat flag, which
// Windows Vista does not take.
Effects OnHotKeyBound(PickerState& state, const BindHotKey& asked, HotKeyAnswer answer);

// The words of a TellHotKeyRefused, with its combinations named as the hot
// key control names them.
std::string HotKeyRefusedText(const std::string& refused, HotKeyRefusal refusal,
                              const std::optional<std::string>& kept, bool hotKeysOff);

// The Hot Keys command: off releases the hot key and disables the control; on
// registers the stored combination and enables the control.
Effects OnOptionsHotKeys(PickerState& state);

struct HotKeyResult {
    unsigned result;  // 0 for our hot key, 1 for any other
    Effects effects;
};

// A hot key message, with the message's whole identifier word: ours captures
// the current colour; while the window cannot be seen, the colour under the
// pointer as it is read for the capture.
HotKeyResult OnHotKey(PickerState& state, std::uint64_t id);

}  // namespace huevane
