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
    state.m_bHotKeyInForce = false;
    return {ReleaseHotKey{}, BindHotKey{shown, HotKeyRequest::Change}};
}

Effects OnHotKeyBound(PickerState& state, const BindHotKey& asked, HotKeyAnswer answer) {
    // The picker's registration in force is always of the stored
    // combination, and only Hot Keys switched on asks without a release
    // first: a registration in force is the one asked for again.
    const bool inForce = answer == HotKeyAnswer::Registered || state.m_bHotKeyInForce;
    if (!inForce && answer == HotKeyAnswer::Refused && asked.noRepeat) {
        BindHotKey again = asked;
        again.noRepeat = false;
        return {again};
    }
    state.m_bHotKeyInForce = inForce;
    const HotKeyCombination stored = Stored(state);
    if (asked.request == HotKeyRequest::KeepStored) {
        return {TellHotKeyRefused{asked.refused, asked.refusal,
                                  inForce ? std::optional(stored) : std::nullopt, false}};
    }
    if (inForce) {
        if (asked.request == HotKeyRequest::Change) Store(state, asked.combination);
        return {};
    }
    const HotKeyRefusal refusal =
        answer == HotKeyAnswer::AlreadyRegistered ? HotKeyRefusal::Taken : HotKeyRefusal::Unusable;
    if (asked.request == HotKeyRequest::Change && asked.combination != stored) {
        return {BindHotKey{stored, HotKeyRequest::KeepStored, asked.combination, refusal},
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
    effects.push_back(TellHotKeyRefused{asked.combination, refusal, std::nullopt, atStartUp});
    return effects;
}

std::string HotKeyRefusedText(const std::string& refused, HotKeyRefusal refusal,
                              const std::optional<std::string>& kept, bool hotKeysOff) {
    const std::string why = refused + (refusal == HotKeyRefusal::Taken ? " is in use by another program"
                                                                       : " cannot be used as a hot key");
    if (kept) return why + ". The hot key stays " + *kept + ".";
    if (hotKeysOff) {
        return why +
               ", so Hot Keys is off. To use another combination, switch Hot Keys on under Options, "
               "choose it in the hot key box and press <.";
    }
    return why + ", so no hot key is in force. Choose another combination in the hot key box and press <.";
}

Effects OnOptionsHotKeys(PickerState& state) {
    Effects effects;
    state.m_bHotKeys ^= 1;
    if (state.m_bHotKeys == 0) {
        state.m_bHotKeyInForce = false;
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
    if (!StoresReads(state)) return {0, {}};
    if (state.m_unseen.Any()) return {0, {ReadForCapture{}}};
    return {0, CaptureColor(state)};
}

}  // namespace huevane
