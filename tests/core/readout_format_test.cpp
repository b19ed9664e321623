#include "readout_format.h"

#include <gtest/gtest.h>

#include <climits>

#include "picker_state.h"

namespace huevane {
namespace {

struct ReadoutRow {
    COLORREF value;
    const char* hex;
    const char* html;
    const char* rgb;
};

// Each row pins a different way to get the channel order, padding or case
// wrong; the last proves that bits 24-31 are dropped, not shown or refused.
const ReadoutRow kReadouts[] = {
    {0x00D8E9EC, "EC, E9, D8", "#ECE9D8", "236, 233, 216"},  // the slots' start colour
    {0x00000000, "00, 00, 00", "#000000", "0, 0, 0"},        // zero padding, no blanks in RGB
    {0x000000FF, "FF, 00, 00", "#FF0000", "255, 0, 0"},      // red is the low byte, printed first
    {0x00FF0000, "00, 00, FF", "#0000FF", "0, 0, 255"},      // blue is the high byte, printed last
    {0x000A0B0C, "0C, 0B, 0A", "#0C0B0A", "12, 11, 10"},     // one hex digit padded to two
    {0xFFFFFFFF, "FF, FF, FF", "#FFFFFF", "255, 255, 255"},  // the unreadable-pixel value
};

TEST(FormatColor, ReadsEachChannelIntoEachFormat) {
    for (const ReadoutRow& row : kReadouts) {
        SCOPED_TRACE(::testing::Message() << "value 0x" << std::hex << row.value);
        EXPECT_EQ(FormatColor(row.value, kFormatHex), row.hex);
        EXPECT_EQ(FormatColor(row.value, kFormatHtml), row.html);
        EXPECT_EQ(FormatColor(row.value, kFormatRgb), row.rgb);
    }
}

TEST(FormatColor, YieldsNoTextOutsideTheThreeFormats) {
    for (int format : {-1, 3, INT_MIN, INT_MAX}) {
        EXPECT_EQ(FormatColor(0x00123456, format), std::nullopt) << "format " << format;
    }
}

TEST(FormatPosition, PrintsSignedCoordinatesWithoutPadding) {
    EXPECT_EQ(FormatPosition(0, 0), "X: 0, Y: 0");
    EXPECT_EQ(FormatPosition(-1280, 5), "X: -1280, Y: 5");
    EXPECT_EQ(FormatPosition(1919, -1), "X: 1919, Y: -1");
    // The widest text there is must come out whole.
    EXPECT_EQ(FormatPosition(INT_MIN, INT_MIN), "X: -2147483648, Y: -2147483648");
}

TEST(FormatList, StartsWithThreeUnsortedItemsAndRgbSelected) {
    PickerState state;
    const Effects expected{AddFormatItem{"HEX"}, AddFormatItem{"HTML"}, AddFormatItem{"RGB"},
                           SelectFormatItem{2}};
    EXPECT_EQ(FormatListStartUp(state), expected);
    EXPECT_EQ(state.m_nFormat, kFormatRgb);
}

// The slots' names give their colours in the format: they change with it.
TEST(FormatList, SelectionBecomesTheFormatIndexRewritesNothingAndRenamesTheSlots) {
    PickerState state;
    FormatListStartUp(state);
    EXPECT_EQ(OnSelchangeFormat(state, 0), Effects{SlotNamesChanged{}});
    EXPECT_EQ(state.m_nFormat, kFormatHex);
    // No selection at all: later writers find no text and write nothing.
    EXPECT_EQ(OnSelchangeFormat(state, -1), Effects{SlotNamesChanged{}});
    EXPECT_EQ(FormatColor(0x00000000, state.m_nFormat), std::nullopt);
}

}  // namespace
}  // namespace huevane
