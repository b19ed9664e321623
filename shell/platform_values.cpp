// The rules include no platform header, so they spell the Win32 values they
// work with in names of their own. Each is tied here to the platform's own
// value and size, so that a wrong copy stops the build instead of registering
// the wrong hot key or keeping an unreadable pixel.
#include <cstdint>
#include <limits>
#include <type_traits>

#include "colorref.h"
#include "hot_key_binding.h"
#include "platform.h"
#include "sampling.h"

namespace {

template <class Ours, class Theirs>
constexpr bool SameShape() {
    return sizeof(Ours) == sizeof(Theirs) && std::is_unsigned_v<Ours> == std::is_unsigned_v<Theirs> &&
           std::numeric_limits<Ours>::max() == std::numeric_limits<Theirs>::max();
}

}  // namespace

// Colours cross between the screen and the rules as one 32-bit value.
static_assert(SameShape<huevane::COLORREF, COLORREF>());
static_assert(huevane::kInvalidColour == CLR_INVALID);
static_assert(huevane::MakeColor(12, 34, 56) == RGB(12, 34, 56));

// The hot key control's modifier flags and refused combinations.
static_assert(SameShape<std::uint16_t, WORD>());
static_assert(huevane::kHotKeyFlagShift == HOTKEYF_SHIFT);
static_assert(huevane::kHotKeyFlagControl == HOTKEYF_CONTROL);
static_assert(huevane::kHotKeyFlagAlt == HOTKEYF_ALT);
static_assert(huevane::kHotKeyFlagExtended == HOTKEYF_EXT);
static_assert(huevane::kCombNone == HKCOMB_NONE);
static_assert(huevane::kCombShiftControl == HKCOMB_SC);
static_assert(huevane::kCombShiftAlt == HKCOMB_SA);
static_assert(huevane::kCombControlAlt == HKCOMB_CA);
static_assert(huevane::kCombShiftControlAlt == HKCOMB_SCA);

// Registration's modifiers, and the message that reports the hot key.
static_assert(SameShape<std::uint32_t, UINT>());
static_assert(huevane::kModAlt == MOD_ALT);
static_assert(huevane::kModControl == MOD_CONTROL);
static_assert(huevane::kModShift == MOD_SHIFT);
static_assert(huevane::kDefaultHotKeyVk == 'C');
static_assert(sizeof(WPARAM) <= sizeof(std::uint64_t) && std::is_unsigned_v<WPARAM>);

// The session's notices and the display's states, as the platform reports them.
static_assert(huevane::kConsoleConnect == WTS_CONSOLE_CONNECT &&
              huevane::kConsoleDisconnect == WTS_CONSOLE_DISCONNECT);
static_assert(huevane::kRemoteConnect == WTS_REMOTE_CONNECT &&
              huevane::kRemoteDisconnect == WTS_REMOTE_DISCONNECT);
static_assert(huevane::kSessionLock == WTS_SESSION_LOCK && huevane::kSessionUnlock == WTS_SESSION_UNLOCK);
static_assert(SameShape<std::uint32_t, DWORD>());
static_assert(huevane::kDisplayOff == PowerMonitorOff && huevane::kDisplayOn == PowerMonitorOn);
static_assert(huevane::kDisplayDimmed == PowerMonitorDim);
