#include "picker_window.h"

#include "view_options.h"

namespace huevane_test {

HeldElsewhere::HeldElsewhere(UINT modifiers, UINT virtualKey)
    : window_(::CreateWindowA("STATIC", "other", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr)),
      held_(::RegisterHotKey(window_, 1, modifiers, virtualKey) != FALSE) {}

bool IsTopmost(HWND window) { return (::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

int EnabledSlotButtons(HWND window) {
    int enabled = 0;
    while (enabled < 5 && ::IsWindowEnabled(::GetDlgItem(window, IDC_SLOT1 + enabled))) ++enabled;
    return enabled;
}

bool TimerWritesPosition(HWND window) {
    HWND position = ::GetDlgItem(window, IDC_POSITION);
    ::SetWindowTextA(position, "untouched");
    return PumpUntil([&] { return WindowText(position) != "untouched"; }, kPatienceMs);
}

namespace {

int periodsPassed = 0;
void CALLBACK CountPeriod(HWND, UINT, UINT_PTR, DWORD) { ++periodsPassed; }

}  // namespace

void LetSamplingPeriodsPass(int periods) {
    periodsPassed = 0;
    const UINT_PTR witness = ::SetTimer(nullptr, 0, huevane::kSamplePeriodMs, &CountPeriod);
    const bool passed = PumpUntil([&] { return periodsPassed >= periods; }, kPatienceMs);
    ::KillTimer(nullptr, witness);
    EXPECT_TRUE(passed) << "a timer of this thread stopped firing";
}

std::string MenuMarks(HWND window) {
    std::string marks;
    for (UINT command : kMenuCommands) {
        char text[32] = {};
        ::GetMenuStringA(::GetMenu(window), command, text, sizeof text, MF_BYCOMMAND);
        if (IsChecked(window, command)) marks += (marks.empty() ? "" : ", ") + std::string(text);
    }
    return marks;
}

}  // namespace huevane_test
