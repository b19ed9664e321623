#include "hot_key_binding.h"

#include "capture_history.h"
#include "menu_marks.h"
#include "picker_state.h"

namespace huevane {

std::uint32_t TranslateHotKeyFlags(std::uint16_t flags, std::uint32_t current) {
    // The extended-key flag only says which key was pressed (Home, the
    // arrows, ...); it is no modifier, and Ctrl+Home must register Ctrl.
    switch (flags & ~kHotKeyFlagExtended) {
        case kHotKeyFlagShift: return kModShift;
        case kHotKeyFlagControl: return kModControl;
        case kHotKeyFlagAlt: return kModAlt;
        default: return current;
    }
}

Effects HotKeySetUp(PickerState& state) {
    Effects effects{
        ShowHotKey{kDefaultHotKeyVk, kHotKeyFlagAlt},
        SetHotKeyRules{kRefusedCombinations, kHotKeyFlagAlt},
        BindHotKey{kModAlt, kDefaultHotKeyVk},
    };
    state.m_wHotKeyVk = kDefaultHotKeyVk;
    state.m_wHotKeyFlags = kHotKeyFlagAlt;
    state.m_nHotKeyMods = kModAlt;
    return effects;
}

Effects OnSetHotKey(PickerState& state, std::uint16_t virtualKey, std::uint16_t flags) {
    state.m_wHotKeyVk = virtualKey;
    state.m_wHotKeyFlags = flags;
    state.m_nHotKeyMods = TranslateHotKeyFlags(flags, state.m_nHotKeyMods);
    return {ReleaseHotKey{}, BindHotKey{state.m_nHotKeyMods, state.m_wHotKeyVk}};
}

Effects OnOptionsHotKeys(PickerState& state) {
    Effects effects;
    state.m_bHotKeys ^= 1;
    if (state.m_bHotKeys == 0) {
        effects.push_back(ReleaseHotKey{});
        effects.push_back(EnableControl{Control::HotKey, false});
    } else {
        effects.push_back(BindHotKey{state.m_nHotKeyMods, state.m_wHotKeyVk});
        effects.push_back(EnableControl{Control::HotKey, true});
    }
    ToggleMenuCheck(state, kHotKeysItem, effects);
    return effects;
}

HotKeyResult OnHotKey(PickerState& state, std::uint64_t id) {
    if (id != HOTKEY_ID) return {1, {}};
    return {0, CaptureColor(state)};
}

}  // namespace huevane
