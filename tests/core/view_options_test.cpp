#include "view_options.h"

#include <gtest/gtest.h>

#include "started_picker.h"

namespace huevane {
namespace {

std::vector<MenuItem> CheckedItems(const PickerState& state) {
    std::vector<MenuItem> checked;
    for (MenuItem item : kMenuItems) {
        if (state.m_marks.IsChecked(item)) checked.push_back(item);
    }
    return checked;
}

TEST(ViewOptions, StartUpChecksZoomHotKeysStartAnd4x) {
    const PickerState state = StartedPicker();
    EXPECT_EQ(CheckedItems(state),
              (std::vector<MenuItem>{kEnableZoomItem, kHotKeysItem, kStartItem, kScale4xItem}));
    EXPECT_EQ(state.m_bZoom, 1);
    EXPECT_EQ(state.m_bHotKeys, 1);
    EXPECT_EQ(state.m_bSampling, 1);
    EXPECT_EQ(state.m_bOnTop, 0);
    EXPECT_EQ(state.m_nZoomOffset, 9);
    EXPECT_EQ(state.m_nZoomSize, 20);
}

TEST(ViewOptions, ZoomFlipsItsSwitchAndMarkAndRepaintsEachTime) {
    PickerState state = StartedPicker();
    const Effects expected{ToggleMenuMark{kEnableZoomItem}, RepaintWindow{}};
    EXPECT_EQ(OnOptionsZoom(state), expected);
    EXPECT_EQ(state.m_bZoom, 0);
    EXPECT_FALSE(state.m_marks.IsChecked(kEnableZoomItem));
    EXPECT_EQ(OnOptionsZoom(state), expected);
    EXPECT_EQ(state.m_bZoom, 1);
    EXPECT_TRUE(state.m_marks.IsChecked(kEnableZoomItem));
}

TEST(ViewOptions, StayOnTopMovesTheWindowBeforeTheMark) {
    PickerState state = StartedPicker();
    EXPECT_EQ(OnOptionsOnTop(state), (Effects{SetTopmost{true}, ToggleMenuMark{kStayOnTopItem}}));
    EXPECT_EQ(OnOptionsOnTop(state), (Effects{SetTopmost{false}, ToggleMenuMark{kStayOnTopItem}}));
    EXPECT_EQ(state.m_bOnTop, 0);
}

TEST(Timer, StartWhileRunningRearmsAndLeavesTheMarks) {
    PickerState state = StartedPicker();
    EXPECT_EQ(OnTimerStart(state), (Effects{StartSampleTimer{}}));
    EXPECT_EQ(state.m_bSampling, 1);
}

TEST(Timer, StopThenStartMovesTheMarkBothWays) {
    PickerState state = StartedPicker();
    EXPECT_EQ(OnTimerStop(state), (Effects{StopSampleTimer{}, ToggleMenuMark{kStartItem},
                                           ToggleMenuMark{kStopItem}, RepaintWindow{}}));
    EXPECT_EQ(state.m_bSampling, 0);
    // Stop again: no mark moves, but the window is still repainted.
    EXPECT_EQ(OnTimerStop(state), (Effects{StopSampleTimer{}, RepaintWindow{}}));
    EXPECT_EQ(OnTimerStart(state),
              (Effects{StartSampleTimer{}, ToggleMenuMark{kStartItem}, ToggleMenuMark{kStopItem}}));
    EXPECT_TRUE(state.m_marks.IsChecked(kStartItem));
    EXPECT_FALSE(state.m_marks.IsChecked(kStopItem));
}

using ScaleCommand = Effects (*)(PickerState&);

struct ScaleRow {
    ScaleCommand from;  // the command that reaches the starting preset
    ScaleCommand command;
    // The chosen preset: the pointer's pixel is the 20th of 40, the 10th of 20, the 5th of 10.
    int offset, size;
    Effects marks;  // the chosen preset's mark first, then the replaced one's
};

TEST(Scale, EveryChoiceFromEveryPresetTogglesTheRightMarksInOrder) {
    const ToggleMenuMark m2{kScale2xItem}, m4{kScale4xItem}, m8{kScale8xItem};
    const ScaleRow rows[] = {
        {OnScale2x, OnScale2x, 19, 40, {}},       {OnScale4x, OnScale2x, 19, 40, {m2, m4}},
        {OnScale8x, OnScale2x, 19, 40, {m2, m8}}, {OnScale2x, OnScale4x, 9, 20, {m4, m2}},
        {OnScale4x, OnScale4x, 9, 20, {}},        {OnScale8x, OnScale4x, 9, 20, {m4, m8}},
        {OnScale2x, OnScale8x, 4, 10, {m8, m2}},  {OnScale4x, OnScale8x, 4, 10, {m8, m4}},
        {OnScale8x, OnScale8x, 4, 10, {}},
    };
    for (const ScaleRow& row : rows) {
        SCOPED_TRACE(::testing::Message() << "row " << &row - rows);
        PickerState state = StartedPicker();
        row.from(state);
        EXPECT_EQ(row.command(state), row.marks);
        EXPECT_EQ(state.m_nZoomOffset, row.offset);
        EXPECT_EQ(state.m_nZoomSize, row.size);
        EXPECT_EQ(state.m_marks.IsChecked(kScale2xItem), row.offset == 19);
        EXPECT_EQ(state.m_marks.IsChecked(kScale4xItem), row.offset == 9);
        EXPECT_EQ(state.m_marks.IsChecked(kScale8xItem), row.offset == 4);
    }
}

// A preset is known by its values, wherever the caller keeps its copy.
TEST(Scale, APresetEqualToTheOneInForceChangesNoMark) {
    PickerState state = StartedPicker();
    const ScalePreset copyOf4x = kScale4x;
    EXPECT_EQ(ChooseScale(state, copyOf4x), Effects{});
    const ScalePreset copyOf8x = kScale8x;
    EXPECT_EQ(ChooseScale(state, copyOf8x),
              (Effects{ToggleMenuMark{kScale8xItem}, ToggleMenuMark{kScale4xItem}}));
    EXPECT_EQ(ChooseScale(state, copyOf8x), Effects{});
}

}  // namespace
}  // namespace huevane
