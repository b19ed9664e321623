// Random command sequences against a stand-in window that carries out the
// effects, checking after every step that the window and the picker agree.
#include <gtest/gtest.h>

#include <cstddef>
#include <deque>
#include <random>

#include "accessible_names.h"
#include "capture_history.h"
#include "hot_key_binding.h"
#include "readout_format.h"
#include "sampling.h"
#include "started_picker.h"
#include "test_seed.h"
#include "view_options.h"

namespace huevane {
namespace {

// What the real window holds, as far as the effects reach it. The template
// creates every control enabled.
struct StandInWindow {
    MenuMarks marks;
    std::array<bool, 7> enabled{true, true, true, true, true, true, true};
    bool timerArmed = false;
    int timerArmings = 0;
    bool topmost = false;
    // The slots' names as assistive technology was last told them.
    std::array<std::string, kHistorySlots> slotNames{"Colour 1: empty", "Colour 2: empty", "Colour 3: empty",
                                                     "Colour 4: empty", "Colour 5: empty"};

    bool& Enabled(Control control) { return enabled[static_cast<std::size_t>(control)]; }
    bool Enabled(Control control) const { return enabled[static_cast<std::size_t>(control)]; }

    void CarryOut(const Effects& effects, const PickerState& state) {
        for (const Effect& effect : effects) {
            if (std::holds_alternative<SlotNamesChanged>(effect)) {
                for (int slot = 1; slot <= kHistorySlots; ++slot)
                    slotNames[static_cast<std::size_t>(slot - 1)] = SlotName(state, slot);
            }
            if (auto* e = std::get_if<EnableControl>(&effect)) Enabled(e->control) = e->enable;
            if (auto* e = std::get_if<ToggleMenuMark>(&effect)) marks.Toggle(e->item);
            if (std::holds_alternative<StartSampleTimer>(effect)) timerArmed = true;
            timerArmings += std::holds_alternative<StartSampleTimer>(effect);
            if (std::holds_alternative<StopSampleTimer>(effect)) timerArmed = false;
            if (auto* e = std::get_if<SetTopmost>(&effect)) topmost = e->topmost;
        }
    }
};

class PickerModel {
public:
    explicit PickerModel(std::mt19937& random) : random_(random) {
        window_.CarryOut(InitialiseDialog(state_), state_);
    }

    void Step() {
        switch (Pick(0, 14)) {
            case 0: window_.CarryOut(OnOptionsZoom(state_), state_); break;
            case 1: window_.CarryOut(OnOptionsOnTop(state_), state_); break;
            case 2: window_.CarryOut(OnOptionsHotKeys(state_), state_); break;
            case 3:
                armings_ += Seen();  // armed anew while sampling already
                window_.CarryOut(OnTimerStart(state_), state_);
                break;
            case 4: window_.CarryOut(OnTimerStop(state_), state_); break;
            case 5: window_.CarryOut(OnScale2x(state_), state_); break;
            case 6: window_.CarryOut(OnScale4x(state_), state_); break;
            case 7: window_.CarryOut(OnScale8x(state_), state_); break;
            case 8: HotKeyMessage(); break;
            case 9: window_.CarryOut(OnSelchangeFormat(state_, Pick(-1, 2)), state_); break;
            case 10: PressSlot(Pick(1, 5)); break;
            case 11:
                if (window_.Enabled(Control::Copy)) window_.CarryOut(OnCopy(state_, "1, 2, 3"), state_);
                break;
            case 12:
                window_.CarryOut(OnSetHotKey(state_, static_cast<std::uint16_t>(Pick(0, 255)),
                                             static_cast<std::uint16_t>(Pick(0, 15))),
                                 state_);
                break;
            case 13: state_.m_crCurrent = static_cast<COLORREF>(random_()); break;
            case 14: Unseen(Pick(0, 3), Pick(0, 1) == 1); break;
        }
    }

    void CheckInvariants() const {
        // The marks as the window shows them, against the switches they stand
        // for (the real menu against the table is a window test).
        const MenuMarks& marks = window_.marks;
        EXPECT_EQ(marks.IsChecked(kStartItem) + marks.IsChecked(kStopItem), 1);
        EXPECT_EQ(
            marks.IsChecked(kScale2xItem) + marks.IsChecked(kScale4xItem) + marks.IsChecked(kScale8xItem), 1);
        EXPECT_EQ(marks.IsChecked(kEnableZoomItem), state_.m_bZoom == 1);
        EXPECT_EQ(marks.IsChecked(kStayOnTopItem), state_.m_bOnTop == 1);
        EXPECT_EQ(marks.IsChecked(kHotKeysItem), state_.m_bHotKeys == 1);
        EXPECT_EQ(marks.IsChecked(kStartItem), state_.m_bSampling == 1);
        EXPECT_FALSE(marks.IsChecked(kAboutItem) || marks.IsChecked(kHelpItem));
        for (const ScalePreset& preset : kScalePresets) {
            EXPECT_EQ(marks.IsChecked(preset.item), preset.offset == state_.m_nZoomOffset);
            if (preset.offset == state_.m_nZoomOffset) {
                EXPECT_EQ(preset.size, state_.m_nZoomSize);
            }
        }
        EXPECT_EQ(window_.timerArmed, state_.m_bSampling == 1 && Seen());
        EXPECT_EQ(window_.timerArmings, armings_);
        EXPECT_EQ(window_.topmost, state_.m_bOnTop == 1);

        const StandInWindow& window = window_;
        EXPECT_EQ(window.Enabled(Control::HotKey), state_.m_bHotKeys == 1);
        EXPECT_EQ(window.Enabled(Control::Copy), slotPressed_);
        // Every change of a slot's name was told.
        for (int slot = 1; slot <= kHistorySlots; ++slot) {
            EXPECT_EQ(window.slotNames[static_cast<std::size_t>(slot - 1)], SlotName(state_, slot));
        }
        ASSERT_GE(state_.m_nCaptured, 0);
        ASSERT_LE(state_.m_nCaptured, kHistorySlots);
        EXPECT_EQ(state_.m_nCaptured, static_cast<int>(captured_.size()));
        for (int slot = 1; slot <= kHistorySlots; ++slot) {
            EXPECT_EQ(window.Enabled(SlotButton(slot)), state_.m_nCaptured >= slot) << "button " << slot;
            const COLORREF expected = slot <= state_.m_nCaptured
                                          ? captured_[static_cast<std::size_t>(slot - 1)]
                                          : kInitialSlotColour;
            EXPECT_EQ(SlotColour(state_, slot), expected) << "slot " << slot;
        }
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    void HotKeyMessage() {
        // Mostly ours; sometimes any other identifier.
        const std::uint64_t id = Pick(0, 3) ? HOTKEY_ID : random_();
        HotKeyResult result = OnHotKey(state_, id);
        EXPECT_EQ(result.result, id == HOTKEY_ID ? 0u : 1u);
        // Unseen, the capture takes the pixel that the window reads for it.
        EXPECT_EQ(result.effects == Effects{ReadForCapture{}}, id == HOTKEY_ID && !Seen());
        if (result.effects == Effects{ReadForCapture{}}) {
            result.effects = OnCaptureRead(state_, static_cast<COLORREF>(random_() & 0xFFFFFF));
        }
        if (id == HOTKEY_ID) {
            captured_.push_front(state_.m_crCurrent);
            if (captured_.size() > kHistorySlots) captured_.pop_back();
        }
        window_.CarryOut(result.effects, state_);
    }

    // Each reason not to be seen reported in any of the platform's ways,
    // repeated reports included; the timer is armed as the last one ends.
    bool Seen() const { return unseen_ == std::array<bool, 4>{}; }
    void Unseen(int reason, bool holds) {
        const bool wasSeen = Seen();
        unseen_[static_cast<std::size_t>(reason)] = holds;
        armings_ += state_.m_bSampling == 1 && !wasSeen && Seen();
        window_.CarryOut(ReportUnseen(state_, reason, holds, Pick(0, 1) == 1), state_);
    }

    // A disabled button cannot be pressed.
    void PressSlot(int slot) {
        if (!window_.Enabled(SlotButton(slot))) return;
        window_.CarryOut(OnSlot(state_, slot), state_);
        slotPressed_ = true;
    }

    std::mt19937& random_;
    PickerState state_;
    StandInWindow window_;
    std::deque<COLORREF> captured_;
    bool slotPressed_ = false;
    std::array<bool, 4> unseen_{};
    int armings_ = 1;  // the window opens sampling
};

TEST(PickerModel, InvariantsHoldOverThousandsOfRandomSequences) {
    const unsigned seed = huevane_test::SeedForThisRun();
    SCOPED_TRACE(huevane_test::ReplayNote(seed));
    std::mt19937 random(seed);
    for (int sequence = 0; sequence < 2000; ++sequence) {
        PickerModel model(random);
        model.CheckInvariants();
        for (int step = 0; step < 100; ++step) {
            model.Step();
            model.CheckInvariants();
            if (::testing::Test::HasFailure()) {
                FAIL() << "sequence " << sequence << ", step " << step;
            }
        }
    }
}

}  // namespace
}  // namespace huevane
