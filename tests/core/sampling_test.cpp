#include "sampling.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "capture_history.h"
#include "hot_key_binding.h"
#include "readout_format.h"
#include "started_picker.h"
#include "view_options.h"

namespace huevane {
namespace {

TEST(Sampling, AReadablePixelBecomesTheCurrentColourTextAndPreview) {
    PickerState state = StartedPicker();
    const SampleDrawing drawing = OnSample(state, 0x000000FF);
    EXPECT_EQ(state.m_crCurrent, 0x000000FFu);
    EXPECT_EQ(drawing.liveText, "255, 0, 0");
    EXPECT_EQ(drawing.previewColour, 0x000000FFu);
    EXPECT_TRUE(drawing.drawZoom);
    EXPECT_EQ(OnSample(state, 0x00FFFFFF).liveText, "255, 255, 255") << "white is a colour";
    EXPECT_EQ(state.m_crCurrent, 0x00FFFFFFu);
}

TEST(Sampling, AnUnreadablePixelChangesNothingAndCannotBeCaptured) {
    PickerState state = StartedPicker();
    OnSample(state, 0x00123456);
    const SampleDrawing drawing = OnSample(state, kInvalidColour);
    EXPECT_EQ(state.m_crCurrent, 0x00123456u);
    EXPECT_EQ(drawing.liveText, std::nullopt);
    EXPECT_EQ(drawing.previewColour, std::nullopt);
    EXPECT_TRUE(drawing.drawZoom) << "the zoom view still follows the pointer";
    CaptureColor(state);
    EXPECT_EQ(state.m_crHistory1, 0x00123456u);
}

TEST(Sampling, WithNoFormatTheColourIsStoredButNoTextWritten) {
    PickerState state = StartedPicker();
    OnSelchangeFormat(state, -1);
    const SampleDrawing drawing = OnSample(state, 0x00ABCDEF);
    EXPECT_EQ(state.m_crCurrent, 0x00ABCDEFu);
    EXPECT_EQ(drawing.liveText, std::nullopt);
    EXPECT_EQ(drawing.previewColour, 0x00ABCDEFu);
}

TEST(Sampling, ZoomOffDrawsNoZoomView) {
    PickerState state = StartedPicker();
    OnOptionsZoom(state);
    EXPECT_FALSE(OnSample(state, 0).drawZoom);
}

// The screen check: what came back against what was painted, once three
// reads agree (a covered probe, or one partly off the screens, gives no
// verdict); nothing is shown as read before a check reads right, and while
// reads fail the user is told once and a capture stores nothing.
TEST(Sampling, TheScreenCheckJudgesItsProbeAndWhileReadsFailNothingIsShownOrStored) {
    constexpr ProbePixels kBlack{};
    EXPECT_EQ(JudgeProbe({kBlack, kProbeColours, kProbeColours, kProbeColours}), ProbeVerdict::Readable);
    EXPECT_EQ(JudgeProbe({kBlack, kProbeColours, kBlack}), ProbeVerdict::ReadAgain);
    EXPECT_EQ(JudgeProbe({kBlack, std::nullopt, kBlack, kBlack}), ProbeVerdict::NoVerdict);
    EXPECT_EQ(JudgeProbe({kBlack, kBlack, ProbePixels{0xFF, 0xFF00, kInvalidColour}}),
              ProbeVerdict::NoVerdict);
    PickerState state;
    InitialiseDialog(state);
    const auto check = [&](const ProbePixels& read) {
        for (int step = 0; step < 3; ++step)
            OnScreenCheckTimer(state, step ? std::optional(read) : std::nullopt);
        return OnScreenCheckTimer(state, read);
    };
    EXPECT_EQ(OnSample(state, 0x00123456).liveText, std::nullopt);
    EXPECT_EQ(check(kBlack),
              (Effects{EraseProbe{}, ArmScreenCheck{kRecheckMs}, ShowNothingRead{}, TellScreenUnreadable{}}));
    EXPECT_EQ(OnHotKey(state, HOTKEY_ID).effects, Effects{});
    EXPECT_EQ(check(kBlack), (Effects{EraseProbe{}, ArmScreenCheck{kRecheckMs}})) << "told once";
    EXPECT_EQ(check(kProbeColours), (Effects{EraseProbe{}, StopScreenCheck{}}));
    EXPECT_EQ(OnSample(state, 0x00123456).liveText, "86, 52, 18");
    // A check due while the session is locked is made once it is unlocked.
    CheckScreen(state);
    ReportUnseen(state, 1, true);
    EXPECT_EQ(OnScreenCheckTimer(state, kBlack), Effects{StopScreenCheck{}});
    EXPECT_EQ(ReportUnseen(state, 1, false), (Effects{StartSampleTimer{}, ArmScreenCheck{kProbeStepMs}}));
}

// Screens that start left of the primary monitor, as a monitor left of it
// makes them: x from -640 to 1279, y from 0 to 1023.
constexpr Rect kScreens{-640, 0, 1920, 1024};

// What a tick reads, at each preset, inside, at the corners and edges and
// across the seam at x = 0.
TEST(Sampling, ATickReadsTheSquareRoundThePointerAndOnlyItsPartOnTheScreens) {
    using From = ScreenRead::From;
    const struct {
        const char* why;
        Effects (*scale)(PickerState&);
        Point pointer;
        ScreenRead read;
    } rows[] = {
        {"4X inside: the whole square, the colour at the offset",
         &OnScale4x,
         {100, 200},
         {Rect{91, 191, 20, 20}, Rect{91, 191, 20, 20}, From::Square, {9, 9}}},
        {"2X inside",
         &OnScale2x,
         {100, 200},
         {Rect{81, 181, 40, 40}, Rect{81, 181, 40, 40}, From::Square, {19, 19}}},
        {"8X inside",
         &OnScale8x,
         {100, 200},
         {Rect{96, 196, 10, 10}, Rect{96, 196, 10, 10}, From::Square, {4, 4}}},
        {"top-left corner at negative x",
         &OnScale4x,
         {-640, 0},
         {Rect{-649, -9, 20, 20}, Rect{-640, 0, 11, 11}, From::Square, {9, 9}}},
        {"bottom-right corner",
         &OnScale2x,
         {1279, 1023},
         {Rect{1260, 1004, 40, 40}, Rect{1260, 1004, 20, 20}, From::Square, {19, 19}}},
        {"across the seam at x = 0",
         &OnScale4x,
         {0, 500},
         {Rect{-9, 491, 20, 20}, Rect{-9, 491, 20, 20}, From::Square, {9, 9}}},
        {"right edge, 8X",
         &OnScale8x,
         {1279, 10},
         {Rect{1275, 6, 10, 10}, Rect{1275, 6, 5, 10}, From::Square, {4, 4}}},
        {"just right of the screens: part of the square is on them, the pointer is not",
         &OnScale4x,
         {1280, 10},
         {Rect{1271, 1, 20, 20}, Rect{1271, 1, 9, 20}, From::Nowhere, {9, 9}}},
        {"far off the screens: nothing to read",
         &OnScale8x,
         {-700, -50},
         {Rect{-704, -54, 10, 10}, std::nullopt, From::Nowhere, {4, 4}}},
    };
    for (const auto& row : rows) {
        PickerState state = StartedPicker();
        row.scale(state);
        EXPECT_EQ(PlanScreenRead(state, row.pointer, kScreens), row.read) << row.why;
    }
}

TEST(Sampling, WithZoomOffATickReadsThePointersPixelAloneWhereItIsOnAScreen) {
    PickerState state = StartedPicker();
    OnOptionsZoom(state);
    using From = ScreenRead::From;
    EXPECT_EQ(PlanScreenRead(state, Point{-640, 1023}, kScreens),
              (ScreenRead{std::nullopt, std::nullopt, From::Screen, {-640, 1023}}));
    EXPECT_EQ(PlanScreenRead(state, Point{-641, 5}, kScreens)->colourFrom, From::Nowhere);
    EXPECT_EQ(PlanScreenRead(state, Point{5, 1024}, kScreens)->colourFrom, From::Nowhere);
}

// Where the pointer cannot be read (on the secure desktop) the tick reads
// nothing, with zoom on or off: not the pixel at (0, 0), which would become
// the colour that the next capture takes.
TEST(Sampling, APointerThatCouldNotBeReadGivesNoReading) {
    PickerState state = StartedPicker();
    EXPECT_EQ(PlanScreenRead(state, std::nullopt, kScreens), std::nullopt);
    OnOptionsZoom(state);
    EXPECT_EQ(PlanScreenRead(state, std::nullopt, kScreens), std::nullopt);
}

// Minimised, no tick reads: a capture reads its one pixel, by the rules of a
// tick with zoom off, and takes it.
TEST(Sampling, MinimisedACaptureTakesThePixelReadForIt) {
    PickerState state = StartedPicker();
    EXPECT_TRUE(TickReads(state));
    OnMinimisedChanged(state, true);
    EXPECT_FALSE(TickReads(state));
    EXPECT_EQ(PlanCaptureRead(Point{-640, 1023}, kScreens), (Point{-640, 1023}));
    EXPECT_EQ(PlanCaptureRead(Point{-641, 5}, kScreens), std::nullopt);
    EXPECT_EQ(PlanCaptureRead(std::nullopt, kScreens), std::nullopt);
    OnCaptureRead(state, 0x00445566);
    OnCaptureRead(state, kInvalidColour);
    EXPECT_EQ(state.m_crHistory2, 0x00445566u);
    EXPECT_EQ(state.m_crHistory1, 0x00445566u) << "a pixel that could not be read: the last one read";
}

// Whatever the order in which the reasons not to be seen begin and end, the
// timer is killed as the first begins and armed as the last ends.
TEST(Sampling, TheTimerRestsFromTheFirstReasonUnseenToTheEndOfTheLast) {
    std::array order{0, 1, 2, 3};
    do {
        SCOPED_TRACE(::testing::Message() << "in the order " << ::testing::PrintToString(order));
        PickerState state = StartedPicker();
        // A log-on, a log-off, remote control and the reserved codes tell
        // nothing, seen and with every reason held; where no state can be
        // read, a touch ends all but minimised.
        for (const std::uint64_t code : {5u, 6u, 9u, 10u, 11u})
            EXPECT_EQ(OnSessionChange(state, code, 1, kNothingRead), Effects{});
        for (std::size_t k = 0; k < 4; ++k)
            EXPECT_EQ(ReportUnseen(state, order[k], true), k == 0 ? Effects{StopSampleTimer{}} : Effects{});
        for (const std::uint64_t code : {5u, 6u, 9u, 10u, 11u})
            EXPECT_EQ(OnSessionChange(state, code, 1, kNothingRead), Effects{});
        PickerState touched = state;
        EXPECT_EQ(OnTouched(touched, kNothingRead), Effects{});
        EXPECT_EQ(OnMinimisedChanged(touched, false), Effects{StartSampleTimer{}});
        for (std::size_t k = 0; k < 4; ++k)
            EXPECT_EQ(ReportUnseen(state, order[k], false), k == 3 ? Effects{StartSampleTimer{}} : Effects{});
    } while (std::next_permutation(order.begin(), order.end()));
}

// A lock flag that the system does not know leaves the lock to the notices.
// The console's monitor is the session's display only while the session is
// the console's: what it told ends as the session leaves the console.
TEST(Sampling, TheConsolesMonitorCountsOnlyForTheConsolesSession) {
    PickerState state = StartedPicker();
    SessionReading remote{SessionState{kSessionActive, -1, false}, 1, 1};
    EXPECT_EQ(OnSessionChange(state, kSessionLock, 1, remote), Effects{StopSampleTimer{}});
    EXPECT_EQ(OnSessionChange(state, kSessionUnlock, 1, remote), Effects{StartSampleTimer{}});
    EXPECT_EQ(OnDisplayChange(state, kDisplayOff, DisplayOf::ConsoleMonitor, remote),
              Effects{StopSampleTimer{}});
    remote.consoleSession = 2;
    EXPECT_EQ(OnTouched(state, remote), Effects{StartSampleTimer{}});
    EXPECT_EQ(OnDisplayChange(state, kDisplayOff, DisplayOf::ConsoleMonitor, remote), Effects{});
}

TEST(Sampling, IntersectionsNearTheIntegerLimitsDoNotOverflow) {
    EXPECT_EQ(Intersection(Rect{2147483600, 0, 40, 40}, kScreens), std::nullopt);
    EXPECT_EQ(Intersection(Rect{-2147483647 - 1, 0, 40, 40}, kScreens), std::nullopt);
}

}  // namespace
}  // namespace huevane
