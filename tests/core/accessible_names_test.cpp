#include "accessible_names.h"

#include <gtest/gtest.h>

#include "capture_history.h"
#include "readout_format.h"
#include "started_picker.h"

namespace huevane {
namespace {

TEST(SlotNames, SayEmptyUntilCapturedThenTheColourInTheFormatInForce) {
    PickerState state = StartedPicker();
    EXPECT_EQ(SlotName(state, 1), "Colour 1: empty");
    // A capture before the first tick takes the start colour.
    EXPECT_EQ(CaptureColor(state).back(), Effect{Announce{"Captured 236, 233, 216"}});
    EXPECT_EQ(SlotName(state, 1), "Colour 1: 236, 233, 216");
    EXPECT_EQ(SlotName(state, 2), "Colour 2: empty");

    state.m_crCurrent = 0x00563412;
    CaptureColor(state);
    EXPECT_EQ(Describe(state, NamedControl::Swatch, 2),
              (AccessibleDescription{"Colour 2: 236, 233, 216", AccessibleRole::Graphic, false}));
    EXPECT_EQ(Describe(state, NamedControl::SlotButton, 1),
              (AccessibleDescription{"Colour 1: 18, 52, 86", AccessibleRole::PushButton, false}));
    OnSelchangeFormat(state, kFormatHtml);
    EXPECT_EQ(SlotName(state, 1), "Colour 1: #123456");
    // Nothing selected: no format to give the colour in.
    OnSelchangeFormat(state, -1);
    EXPECT_EQ(SlotName(state, 1), "Colour 1");
    EXPECT_EQ(AnnounceCapture(state).back(), Effect{Announce{"Captured"}});
}

}  // namespace
}  // namespace huevane
