#include "hot_key_binding.h"

#include <gtest/gtest.h>

#include "started_picker.h"

namespace huevane {
namespace {

constexpr std::uint16_t kVkF5 = 116;
constexpr std::uint16_t kVkHome = 0x24;
constexpr std::uint16_t kVkF12 = 0x7B;

constexpr HotKeyCombination kAltC{0x43, 0x04, kModAlt};

using enum HotKeyAnswer;
using enum HotKeyRefusal;

TEST(HotKey, StartsAsAltCShownRuledAndRegistered) {
    PickerState state;
    const Effects expected{ShowHotKey{0x43, 0x04}, SetHotKeyRules{0x00F1, 0x04},
                           BindHotKey{kAltC, HotKeyRequest::StartUp}};
    EXPECT_EQ(HotKeySetUp(state), expected);
    EXPECT_EQ(state.m_wHotKeyVk, 67);
    EXPECT_EQ(state.m_wHotKeyFlags, 4);
    EXPECT_EQ(state.m_nHotKeyMods, 1u);
}

struct TranslationRow {
    std::uint16_t flags;
    std::uint32_t modifiers;  // starting from Alt (1)
    const char* why;
};

// Registration's modifiers as the RegisterHotKey documentation gives them.
constexpr std::uint32_t MOD_ALT = 0x0001, MOD_CONTROL = 0x0002, MOD_SHIFT = 0x0004;

TEST(HotKey, TranslatesExactlyOneModifierAndIgnoresTheExtendedKeyFlag) {
    const TranslationRow rows[] = {
        {0x01, MOD_SHIFT, "Shift and Alt sit in swapped bits"},
        {0x02, MOD_CONTROL, "Ctrl is the same bit in both"},
        {0x04, MOD_ALT, "Alt"},
        {0x09, MOD_SHIFT, "Shift on an extended key"},
        {0x0A, MOD_CONTROL, "Ctrl+Home registers Ctrl, not the previous Alt"},
        {0x0C, MOD_ALT, "Alt on an extended key"},
        {0x08, MOD_ALT, "an extended key alone is no Windows-key modifier: unchanged"},
        {0x00, MOD_ALT, "an empty control: unchanged"},
        {0x03, MOD_ALT, "two modifiers: unchanged"},
        {0x07, MOD_ALT, "three modifiers: unchanged"},
        {0x0B, MOD_ALT, "two modifiers on an extended key: unchanged"},
        {0x0102, MOD_ALT, "bits above the byte make no match: unchanged"},
    };
    for (const TranslationRow& row : rows) {
        EXPECT_EQ(TranslateHotKeyFlags(row.flags, MOD_ALT), row.modifiers) << row.why;
    }
    EXPECT_EQ(TranslateHotKeyFlags(0x00, MOD_SHIFT), MOD_SHIFT) << "keeps any previous value";
}

// '<' as the window carries it out, the platform registering whatever is
// asked.
Effects SetAndRegister(PickerState& state, std::uint16_t virtualKey, std::uint16_t flags) {
    const Effects set = OnSetHotKey(state, virtualKey, flags);
    EXPECT_TRUE(OnHotKeyBound(state, std::get<BindHotKey>(set.back()), Registered).empty());
    return set;
}

TEST(HotKey, SetReleasesThenRegistersWhatTheControlShows) {
    PickerState state = StartedPicker();
    EXPECT_EQ(SetAndRegister(state, kVkF5, 0x01),
              (Effects{ReleaseHotKey{}, BindHotKey{{kVkF5, 0x01, kModShift}, HotKeyRequest::Change}}));
    EXPECT_EQ(state.m_wHotKeyVk, kVkF5);
    EXPECT_EQ(state.m_wHotKeyFlags, 1);

    // The flags are stored exactly as reported, the extended-key flag included.
    EXPECT_EQ(SetAndRegister(state, kVkHome, 0x0A),
              (Effects{ReleaseHotKey{}, BindHotKey{{kVkHome, 0x0A, kModControl}, HotKeyRequest::Change}}));
    EXPECT_EQ(state.m_wHotKeyFlags, 0x0A);

    // An empty control: key 0 is still requested, with the modifiers kept.
    EXPECT_EQ(SetAndRegister(state, 0, 0),
              (Effects{ReleaseHotKey{}, BindHotKey{{0, 0, kModControl}, HotKeyRequest::Change}}));
}

// A combination that another program holds: the rules keep what works and
// say what does not.
TEST(HotKey, ARefusalKeepsTheStoredCombinationAndIsTold) {
    PickerState state = StartedPicker();
    const HotKeyCombination ctrlHome{kVkHome, 0x0A, kModControl};
    const BindHotKey change{ctrlHome, HotKeyRequest::Change};
    const BindHotKey keepAltC{kAltC, HotKeyRequest::KeepStored, ctrlHome};
    EXPECT_EQ(OnHotKeyBound(state, change, AlreadyRegistered), (Effects{keepAltC, ShowHotKey{0x43, 0x04}}));
    EXPECT_EQ(OnHotKeyBound(state, keepAltC, AlreadyRegistered),
              (Effects{TellHotKeyRefused{ctrlHome, Taken, std::nullopt, false}}))
        << "Alt+C taken meanwhile too: no hot key is claimed";
    EXPECT_EQ(OnHotKeyBound(state, keepAltC, Registered),
              (Effects{TellHotKeyRefused{ctrlHome, Taken, kAltC, false}}));
    EXPECT_EQ(state.m_wHotKeyVk, 0x43);
    EXPECT_EQ(state.m_wHotKeyFlags, 0x04);
    EXPECT_EQ(state.m_nHotKeyMods, kModAlt);
    OnSetHotKey(state, 0x43, 0x04);
    EXPECT_EQ(OnHotKeyBound(state, BindHotKey{kAltC, HotKeyRequest::Change}, AlreadyRegistered),
              (Effects{TellHotKeyRefused{kAltC, Taken, std::nullopt, false}}))
        << "the stored combination itself refused: nothing to fall back on";

    // At start-up the window opens with Hot Keys off.
    PickerState starting = StartedPicker();
    EXPECT_EQ(OnHotKeyBound(starting, BindHotKey{kAltC, HotKeyRequest::StartUp}, AlreadyRegistered),
              (Effects{EnableControl{Control::HotKey, false}, ToggleMenuMark{kHotKeysItem},
                       TellHotKeyRefused{kAltC, Taken, std::nullopt, true}}));
    EXPECT_EQ(starting.m_bHotKeys, 0);
    EXPECT_FALSE(starting.m_marks.IsChecked(kHotKeysItem));
}

// Switching on registers the stored combination again. Refused as registered
// already, it is another program's if the picker released it when switched
// off, and the picker's own if '<' registered it meanwhile.
TEST(HotKey, SwitchingOffAndOnRegistersTheStoredCombination) {
    PickerState state = StartedPicker();
    OnHotKeyBound(state, BindHotKey{kAltC, HotKeyRequest::StartUp}, Registered);
    EXPECT_EQ(OnOptionsHotKeys(state), (Effects{ReleaseHotKey{}, EnableControl{Control::HotKey, false},
                                                ToggleMenuMark{kHotKeysItem}}));
    EXPECT_EQ(OnOptionsHotKeys(state),
              (Effects{BindHotKey{kAltC, HotKeyRequest::SwitchOn}, EnableControl{Control::HotKey, true},
                       ToggleMenuMark{kHotKeysItem}}));
    EXPECT_EQ(state.m_bHotKeys, 1);
    EXPECT_TRUE(state.m_marks.IsChecked(kHotKeysItem));
    EXPECT_EQ(OnHotKeyBound(state, BindHotKey{kAltC, HotKeyRequest::SwitchOn}, AlreadyRegistered),
              (Effects{TellHotKeyRefused{kAltC, Taken, std::nullopt, false}}));

    // '<' while off changes neither the switch nor the control nor the mark.
    OnOptionsHotKeys(state);
    SetAndRegister(state, kVkF5, 0x02);
    EXPECT_EQ(state.m_bHotKeys, 0);
    EXPECT_FALSE(state.m_marks.IsChecked(kHotKeysItem));
    const BindHotKey again{{kVkF5, 0x02, kModControl}, HotKeyRequest::SwitchOn};
    EXPECT_EQ(OnOptionsHotKeys(state),
              (Effects{again, EnableControl{Control::HotKey, true}, ToggleMenuMark{kHotKeysItem}}));
    EXPECT_EQ(OnHotKeyBound(state, again, AlreadyRegistered), Effects{});
}

// Another refusal (F12, kept for debuggers) is asked again without the
// no-repeat flag, which Windows Vista refuses, and then told as what it is.
TEST(HotKey, AnotherRefusalIsAskedAgainWithoutNoRepeatThenToldAsUnusable) {
    PickerState state = StartedPicker();
    const HotKeyCombination altF12{kVkF12, 0x04, kModAlt};
    const BindHotKey repeating{altF12, HotKeyRequest::Change, {}, Taken, false};
    EXPECT_EQ(OnHotKeyBound(state, {altF12, HotKeyRequest::Change}, Refused), Effects{repeating});
    const BindHotKey keepAltC{kAltC, HotKeyRequest::KeepStored, altF12, Unusable};
    EXPECT_EQ(OnHotKeyBound(state, repeating, Refused), (Effects{keepAltC, ShowHotKey{0x43, 0x04}}));
    EXPECT_EQ(OnHotKeyBound(state, keepAltC, Registered),
              (Effects{TellHotKeyRefused{altF12, Unusable, kAltC, false}}));
}

// The notices word for word, each reason and each ending.
TEST(HotKey, NoticesSayWhatWasRefusedWhyAndWhatIsInForce) {
    EXPECT_EQ(HotKeyRefusedText("F12", Unusable, "Alt+C", false),
              "F12 cannot be used as a hot key. The hot key stays Alt+C.");
    EXPECT_EQ(
        HotKeyRefusedText("Alt+C", Taken, std::nullopt, false),
        "Alt+C is in use by another program, so no hot key is in force. Choose another combination in the "
        "hot key box and press <.");
    EXPECT_EQ(
        HotKeyRefusedText("F12", Unusable, std::nullopt, true),
        "F12 cannot be used as a hot key, so Hot Keys is off. To use another combination, switch Hot Keys "
        "on under Options, choose it in the hot key box and press <.");
}

TEST(HotKey, OnlyOurIdentifierCaptures) {
    PickerState state = StartedPicker();
    state.m_crCurrent = 0x00112233;
    const HotKeyResult ours = OnHotKey(state, HOTKEY_ID);
    EXPECT_EQ(ours.result, 0u);
    EXPECT_EQ(ours.effects, (Effects{EnableControl{Control::Slot1, true},
                                     PaintSwatches{{0x112233, 0xD8E9EC, 0xD8E9EC, 0xD8E9EC, 0xD8E9EC}},
                                     SlotNamesChanged{}, Announce{"Captured 51, 34, 17"}}));
    // The whole word counts: high bits make another identifier.
    for (std::uint64_t other :
         {0ull, 1ull, HOTKEY_ID - 1ull, HOTKEY_ID + 1ull, HOTKEY_ID | 0x10000ull, HOTKEY_ID | 1ull << 32}) {
        const HotKeyResult result = OnHotKey(state, other);
        EXPECT_EQ(result.result, 1u) << other;
        EXPECT_TRUE(result.effects.empty()) << other;
    }
    EXPECT_EQ(state.m_nCaptured, 1);
}

}  // namespace
}  // namespace huevane
