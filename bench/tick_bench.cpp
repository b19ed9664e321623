// The tick against its floor: the pointer read and the one screen read that
// no tick can avoid, timed in the same run, alternating with the real tick.
#include "tick_bench.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "dialog_harness.h"
#include "floor.h"
#include "picker_dlg.h"

namespace {

double Microseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    static const double frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1e6 / frequency;
}

struct Spread {
    double median;
    double p99;
};

Spread SpreadOf(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return {samples[samples.size() / 2], samples[samples.size() * 99 / 100]};
}

}  // namespace

void BenchTick(int rounds) {
    struct Case {
        const char* name;
        UINT scale;
        bool zoom;
        int side;
    };
    const Case cases[] = {{"zoom on, 2X", ID_SCALE_2X, true, 40},
                          {"zoom on, 4X", ID_SCALE_4X, true, 20},
                          {"zoom on, 8X", ID_SCALE_8X, true, 10},
                          {"zoom off", ID_SCALE_4X, false, 0}};
    std::printf(
        "Each round: one tick, then the floor (the pointer read and one screen read), in the same run.\n");
    std::printf("A still pointer over a still screen; medians over %d rounds, microseconds.\n", rounds);
    std::printf("%-12s %9s %9s %9s %9s %9s %9s %7s\n", "tick", "tick", "tick p99", "pointer", "screen",
                "floor", "floor p99", "ratio");
    CPickerDlg dlg;
    AfxGetApp()->m_pMainWnd = &dlg;
    huevane_test::RunInDialog(dlg, [&](HWND window) {
        huevane_test::Command(window, ID_TIMER_STOP);
        // Till the screen check's first verdict a tick shows nothing.
        huevane_test::PumpUntil([&] { return huevane::ShowsReads(dlg.State()); });
        ::SetCursorPos(300, 300);
        for (const Case& c : cases) {
            huevane_test::Command(window, c.scale);
            if (c.zoom != (dlg.State().m_bZoom == 1)) huevane_test::Command(window, ID_OPTIONS_ZOOM);
            huevane_test::PumpMessages(50);
            const Floor floor(c.side);
            std::vector<double> ticks, pointers, screens, floors;
            for (int round = 0; round < rounds; ++round) {
                LARGE_INTEGER t0, t1, t2, t3;
                ::QueryPerformanceCounter(&t0);
                ::SendMessageA(window, WM_TIMER, 1, 0);
                ::QueryPerformanceCounter(&t1);
                const POINT at = Floor::ReadPointer();
                ::QueryPerformanceCounter(&t2);
                floor.Read(at);
                ::QueryPerformanceCounter(&t3);
                ticks.push_back(Microseconds(t0, t1));
                pointers.push_back(Microseconds(t1, t2));
                screens.push_back(Microseconds(t2, t3));
                floors.push_back(Microseconds(t1, t3));
            }
            const Spread tick = SpreadOf(ticks), base = SpreadOf(floors);
            const double ratio = tick.median / base.median;
            std::printf("%-12s %9.1f %9.1f %9.1f %9.1f %9.1f %9.1f %7.2f  %s, target <= 1.30\n", c.name,
                        tick.median, tick.p99, SpreadOf(pointers).median, SpreadOf(screens).median,
                        base.median, base.p99, ratio, ratio <= 1.3 ? "met" : "MISSED");
        }
    });
    AfxGetApp()->m_pMainWnd = nullptr;
}
