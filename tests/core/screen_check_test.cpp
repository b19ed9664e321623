#include "screen_check.h"

#include <gtest/gtest.h>

#include "hot_key_binding.h"
#include "sampling.h"
#include "started_picker.h"

namespace huevane {
namespace {

using Reads = std::vector<std::optional<ProbePixels>>;
constexpr ProbePixels kBlack{};

TEST(ScreenCheck, JudgesWhatCameBackAgainstWhatWasPaintedOnceReadsAgree) {
    EXPECT_EQ(JudgeProbe({kBlack, kProbeColours, kProbeColours, kProbeColours}), ProbeVerdict::Readable);
    EXPECT_EQ(JudgeProbe({kBlack, kBlack, kBlack}), ProbeVerdict::Unreadable);
    EXPECT_EQ(JudgeProbe({kBlack, kProbeColours, kBlack}), ProbeVerdict::ReadAgain);
    EXPECT_EQ(JudgeProbe({kBlack, std::nullopt, kBlack, kBlack}), ProbeVerdict::NoVerdict) << "covered";
    EXPECT_EQ(JudgeProbe(Reads(3, ProbePixels{0xFF, 0xFF00, kInvalidColour})), ProbeVerdict::NoVerdict)
        << "partly off the screens";
}

// A check as the window runs it: the probe painted, then three reads.
Effects Check(PickerState& state, const ProbePixels& read) {
    CheckScreen(state);
    OnScreenCheckTimer(state, std::nullopt);
    OnScreenCheckTimer(state, read);
    OnScreenCheckTimer(state, read);
    return OnScreenCheckTimer(state, read);
}

TEST(ScreenCheck, WhileReadsFailItSaysSoOnceAndShowsAndStoresNothing) {
    PickerState state;
    InitialiseDialog(state);
    EXPECT_EQ(OnSample(state, 0x00123456).liveText, std::nullopt) << "not checked yet";
    EXPECT_EQ(Check(state, kBlack),
              (Effects{EraseProbe{}, ArmScreenCheck{kRecheckMs}, ShowNothingRead{}, TellScreenUnreadable{}}));
    EXPECT_EQ(OnSample(state, 0x00123456).liveText, std::nullopt);
    EXPECT_EQ(OnHotKey(state, HOTKEY_ID).effects, Effects{});
    EXPECT_EQ(Check(state, kBlack), (Effects{EraseProbe{}, ArmScreenCheck{kRecheckMs}})) << "told once";
    EXPECT_EQ(Check(state, kProbeColours), (Effects{EraseProbe{}, StopScreenCheck{}}));
    EXPECT_EQ(OnSample(state, 0x00123456).liveText, "86, 52, 18");
}

}  // namespace
}  // namespace huevane
