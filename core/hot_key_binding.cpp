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

namespace {

HotKeyCombination Stored(const PickerState& state) {
    return {state.m_wHotKeyVk, state.m_wHotKeyFlags, state.m_nHotKeyMods};
}

void Store(PickerState& state, const HotKeyCombination& combination) {
    state.m_wHotKeyVk = combination.virtualKey;
    state.m_wHotKeyFlags = combination.flags;
    state.m_nHotKeyMods = combination.modifiers;
}

}  // namespace

Effects HotKeySetUp(PickerState& state) {
    const HotKeyCombination altC{kDefaultHotKeyVk, kHotKeyFlagAlt, kModAlt};
    Store(state, altC);
    return {
        ShowHotKey{altC.virtualKey, altC.flags},
        SetHotKeyRules{kRefusedCombinations, kHotKeyFlagAlt},
        BindHotKey{altC, HotKeyRequest::StartUp},
    };
}

Effects OnSetHotKey(PickerState& state, std::uint16_t virtualKey, std::uint16_t flags) {
    const HotKeyCombination shown{virtualKey, flags, TranslateHotKeyFlags(flags, state.m_nHotKeyMods)};
    return {ReleaseHotKey{}, BindHotKey{shown, HotKeyRequest::Change}};
}

Effects OnHotKeyBound(PickerState& state, const BindHotKey& asked, bool registered) {
    const HotKeyCombination stored = Stored(state);
    if (asked.request == HotKeyRequest::KeepStored) {
        return {TellHotKeyTaken{asked.refused, registered ? std::optional(stored) : std::nullopt, false}};
    }
    if (registered) {
        if (asked.request == HotKeyRequest::Change) Store(state, asked.combination);
        return {};
    }
    if (asked.request == HotKeyRequest::Change && asked.combination != stored) {
        return {BindHotKey{stored, HotKeyRequest::KeepStored, asked.combination},
                ShowHotKey{stored.virtualKey, stored.flags}};
    }
    Effects effects;
    const bool atStartUp = asked.request == HotKeyRequest::StartUp;
    if (atStartUp) {
        // The window opens with the hot key off, as its mark and its control
        // then say, rather than showing one that never arrives.
        state.m_bHotKeys ^= 1;
        effects.push_back(EnableControl{Control::HotKey, false});
        ToggleMenuCheck(state, kHotKeysItem, effects);
    }
    effects.push_back(TellHotKeyTaken{asked.combination, std::nullopt, atStartUp});
    return effects;
}

std::string HotKeyTakenText(const std::string& taken, const std::optional<std::string>& kept,
                            bool hotKeysOff) {
    const std::string inUse = taken + " is in use by another program";
    if (kept) return inUse + ". The hot key stays " + *kept + ".";
    if (hotKeysOff) {
        return inUse +
               ", so Hot Keys is off. To use another combination, switch Hot Keys on under Options, "
               "choose it in the hot key box and press <.";
    }
    return inUse + ", so no hot key is in force. Choose another combination in the hot key box and press <.";
}

Effects OnOptionsHotKeys(PickerState& state) {
    Effects effects;
    state.m_bHotKeys ^= 1;
    if (state.m_bHotKeys == 0) {
        effects.push_back(ReleaseHotKey{});
        effects.push_back(EnableControl{Control::HotKey, false});
    } else {
        effects.push_back(BindHotKey{Stored(state), HotKeyRequest::SwitchOn});
        effects.push_back(EnableControl{Control::HotKey, true});
    }
    ToggleMenuCheck(state, kHotKeysItem, effects);
    return effects;
}

HotKeyResult OnHotKey(PickerState& state, std::uint64_t id) {
    if (id != HOTKEY_ID) return {1, {}};
    if (state.m_bMinimised) return {0, {ReadForCapture{}}};
    return {0, CaptureColor(state)};
}

}  // namespace huevane
