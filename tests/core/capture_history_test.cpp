#include "capture_history.h"

#include <gtest/gtest.h>

#include "accessible_names.h"
#include "readout_format.h"
#include "started_picker.h"

namespace huevane {
namespace {

std::array<COLORREF, 5> Slots(const PickerState& state) {
    return {state.m_crHistory1, state.m_crHistory2, state.m_crHistory3, state.m_crHistory4,
            state.m_crHistory5};
}

Effects Capture(PickerState& state, COLORREF colour) {
    state.m_crCurrent = colour;
    return CaptureColor(state);
}

TEST(CaptureHistory, StartsEmptyWithCopyAndEveryNumberedButtonDisabled) {
    PickerState state;
    state.m_nCaptured = 3;
    const Effects expected{
        EnableControl{Control::Copy, false},  EnableControl{Control::Slot1, false},
        EnableControl{Control::Slot2, false}, EnableControl{Control::Slot3, false},
        EnableControl{Control::Slot4, false}, EnableControl{Control::Slot5, false},
    };
    EXPECT_EQ(HistoryStartUp(state), expected);
    EXPECT_EQ(state.m_nCaptured, 0);
    EXPECT_EQ(Slots(state), (std::array<COLORREF, 5>{0xD8E9EC, 0xD8E9EC, 0xD8E9EC, 0xD8E9EC, 0xD8E9EC}));
}

TEST(CaptureHistory, EachCaptureEnablesTheNextButtonUpToTheFifthAndRepaintsAllFive) {
    PickerState state = StartedPicker();
    EXPECT_EQ(Capture(state, 0x000001),
              (Effects{EnableControl{Control::Slot1, true},
                       PaintSwatches{{0x000001, 0xD8E9EC, 0xD8E9EC, 0xD8E9EC, 0xD8E9EC}}, SlotNamesChanged{},
                       Announce{"Captured 1, 0, 0"}}));
    EXPECT_EQ(Capture(state, 0x000002),
              (Effects{EnableControl{Control::Slot2, true},
                       PaintSwatches{{0x000002, 0x000001, 0xD8E9EC, 0xD8E9EC, 0xD8E9EC}}, SlotNamesChanged{},
                       Announce{"Captured 2, 0, 0"}}));
    for (COLORREF colour = 3; colour <= 5; ++colour) Capture(state, colour);
    // The sixth and seventh move the history along and repaint, but enable no button.
    EXPECT_EQ(Capture(state, 6),
              (Effects{PaintSwatches{{6, 5, 4, 3, 2}}, SlotNamesChanged{}, Announce{"Captured 6, 0, 0"}}));
    EXPECT_EQ(Capture(state, 7).front(), (Effect{PaintSwatches{{7, 6, 5, 4, 3}}}));
    EXPECT_EQ(Slots(state), (std::array<COLORREF, 5>{7, 6, 5, 4, 3}));
    EXPECT_EQ(state.m_nCaptured, 5);
    // Every slot's name moves along with its colour.
    for (int slot = 1; slot <= kHistorySlots; ++slot) {
        EXPECT_EQ(SlotName(state, slot),
                  "Colour " + std::to_string(slot) + ": " + std::to_string(8 - slot) + ", 0, 0");
    }
}

TEST(CaptureHistory, KeepsTheColourWholeWithItsHighByte) {
    PickerState state = StartedPicker();
    Capture(state, 0xFF00FF00);
    EXPECT_EQ(state.m_crHistory1, 0xFF00FF00u);
}

TEST(SlotButtons, WriteTheSlotInTheFormatOfTheMomentAndEnableCopy) {
    PickerState state = StartedPicker();
    Capture(state, 0x000000FF);
    EXPECT_EQ(OnSlot(state, 1), (Effects{EnableControl{Control::Copy, true}, SetValueText{"255, 0, 0"}}));

    // A new capture moves the colour along: button 2 now shows what 1 showed.
    Capture(state, 0x00FF0000);
    OnSelchangeFormat(state, kFormatHtml);
    EXPECT_EQ(OnSlot(state, 1), (Effects{EnableControl{Control::Copy, true}, SetValueText{"#0000FF"}}));
    EXPECT_EQ(OnSlot(state, 2), (Effects{EnableControl{Control::Copy, true}, SetValueText{"#FF0000"}}));
}

TEST(SlotButtons, WithNoFormatSelectedEnableCopyButWriteNothing) {
    PickerState state = StartedPicker();
    Capture(state, 0x00123456);
    OnSelchangeFormat(state, -1);
    EXPECT_EQ(OnSlot(state, 1), (Effects{EnableControl{Control::Copy, true}}));
}

// What is announced, and what the Copy button is renamed to, is the box's
// text, whatever format it was written in or whatever the user typed there.
TEST(Copy, SelectsScrollsAndCopiesTheEditBoxInThatOrderThenSaysWhatItCopied) {
    PickerState state = StartedPicker();
    EXPECT_EQ(Describe(state, NamedControl::CopyButton).name, "Copy");
    EXPECT_EQ(OnCopy(state, "#ECE9D8"),
              (Effects{SelectAllValueText{}, ScrollValueCaret{}, CopyValueSelection{}, CopyNameChanged{},
                       Announce{"Copied #ECE9D8"}}));
    EXPECT_EQ(OnCopy(state, "my own text").back(), Effect{Announce{"Copied my own text"}});
    EXPECT_EQ(Describe(state, NamedControl::CopyButton).name, "Copy, copied my own text");
    EXPECT_EQ(OnCopy(state, ""), (Effects{SelectAllValueText{}, ScrollValueCaret{}, CopyValueSelection{},
                                          Announce{"Nothing to copy"}}));
    EXPECT_EQ(Describe(state, NamedControl::CopyButton).name, "Copy, copied my own text");
    // Once the focus has left it, the button is called what it is, told once.
    EXPECT_EQ(OnFocusLeft(state, NamedControl::CopyButton), Effects{CopyNameChanged{}});
    EXPECT_EQ(Describe(state, NamedControl::CopyButton).name, "Copy");
    EXPECT_EQ(OnFocusLeft(state, NamedControl::CopyButton), Effects{});
}

}  // namespace
}  // namespace huevane
