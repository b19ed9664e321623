// The tick against its floor: the one read of the screen that a tick cannot
// avoid, timed alone in the same run, alternating with the real tick.
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
    std::printf("%-14s %12s %12s %12s %12s %8s\n", "tick", "median us", "p99 us", "floor med", "floor p99",
                "ratio");
    CPickerDlg dlg;
    AfxGetApp()->m_pMainWnd = &dlg;
    huevane_test::RunInDialog(dlg, [&](HWND window) {
        huevane_test::Command(window, ID_TIMER_STOP);
        ::SetCursorPos(300, 300);
        for (const Case& c : cases) {
            huevane_test::Command(window, c.scale);
            if (c.zoom != (dlg.State().m_bZoom == 1)) huevane_test::Command(window, ID_OPTIONS_ZOOM);
            const Floor floor(c.side);
            std::vector<double> ticks, floors;
            POINT at{300, 300};
            for (int round = 0; round < rounds; ++round) {
                LARGE_INTEGER t0, t1, t2;
                ::QueryPerformanceCounter(&t0);
                ::SendMessageA(window, WM_TIMER, 1, 0);
                ::QueryPerformanceCounter(&t1);
                floor.Read(at);
                ::QueryPerformanceCounter(&t2);
                ticks.push_back(Microseconds(t0, t1));
                floors.push_back(Microseconds(t1, t2));
            }
            const Spread tick = SpreadOf(ticks), base = SpreadOf(floors);
            std::printf("%-14s %12.1f %12.1f %12.1f %12.1f %8.2f  %s\n", c.name, tick.median, tick.p99,
                        base.median, base.p99, tick.median / base.median,
                        tick.median <= 1.3 * base.median ? "met" : "MISSED");
        }

        // Where the rest of a tick goes: the platform calls it makes besides
        // the screen read, each timed alone.
        std::vector<double> cursor, text, fill;
        HWND preview = ::GetDlgItem(window, IDC_PREVIEW);
        for (int round = 0; round < rounds; ++round) {
            LARGE_INTEGER t0, t1, t2, t3;
            POINT at;
            ::QueryPerformanceCounter(&t0);
            ::GetCursorPos(&at);
            ::QueryPerformanceCounter(&t1);
            ::SetWindowTextA(::GetDlgItem(window, IDC_POSITION), round % 2 ? "X: 1, Y: 2" : "X: 2, Y: 1");
            ::QueryPerformanceCounter(&t2);
            {
                CWindowDC dc(preview);
                RECT client{};
                ::GetClientRect(preview, &client);
                dc.FillSolidRect(client, RGB(round & 0xFF, 0, 0));
            }
            ::QueryPerformanceCounter(&t3);
            cursor.push_back(Microseconds(t0, t1));
            text.push_back(Microseconds(t1, t2));
            fill.push_back(Microseconds(t2, t3));
        }
        std::printf(
            "\nparts of a tick, each alone (median us): pointer read %.1f, a changed window text %.1f, "
            "a control's DC filled %.1f\n",
            SpreadOf(cursor).median, SpreadOf(text).median, SpreadOf(fill).median);
    });
    AfxGetApp()->m_pMainWnd = nullptr;
}
