#include "start_up.h"

#include <gtest/gtest.h>

#include "hot_key_binding.h"
#include "menu_marks.h"
#include "picker_state.h"

namespace huevane {
namespace {

TEST(StartUp, IsOneOrderedListFromTheSwitchesToTheDisabledButtons) {
    PickerState state;
    const Effects expected{
        // Switches and their marks; Stop is marked first, then sampling starts.
        ToggleMenuMark{kEnableZoomItem},
        ToggleMenuMark{kHotKeysItem},
        ToggleMenuMark{kStopItem},
        ToggleMenuMark{kScale4xItem},
        StartSampleTimer{},
        ToggleMenuMark{kStartItem},
        ToggleMenuMark{kStopItem},
        // The hot key.
        ShowHotKey{0x43, 0x04},
        SetHotKeyRules{0x00F1, 0x04},
        BindHotKey{{0x43, 0x04, 0x0001}, HotKeyRequest::StartUp},
        // The format list.
        AddFormatItem{"HEX"},
        AddFormatItem{"HTML"},
        AddFormatItem{"RGB"},
        SelectFormatItem{2},
        // Copy, then the numbered buttons, disabled.
        EnableControl{Control::Copy, false},
        EnableControl{Control::Slot1, false},
        EnableControl{Control::Slot2, false},
        EnableControl{Control::Slot3, false},
        EnableControl{Control::Slot4, false},
        EnableControl{Control::Slot5, false},
    };
    EXPECT_EQ(InitialiseDialog(state), expected);
    EXPECT_EQ(state.m_nFormat, 2);
    EXPECT_EQ(state.m_nCaptured, 0);
    EXPECT_EQ(state.m_crCurrent, 0x00D8E9ECu);
}

// The menu bar goes before the window does, and the hot key last, so that
// another program can take it once the window is gone.
TEST(StartUp, ClosingStopsSamplingDestroysTheMenuBarAndReleasesTheHotKey) {
    EXPECT_EQ(CloseDialog(), (Effects{StopSampleTimer{}, DestroyMenuBar{}, ReleaseHotKey{}}));
}

}  // namespace
}  // namespace huevane
