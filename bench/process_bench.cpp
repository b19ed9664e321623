#include "process_bench.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

// After windows.h, which it needs.
#include <psapi.h>

#include "floor.h"
#include "floors.h"
#include "resource.h"

namespace {

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

struct Process {
    PROCESS_INFORMATION info{};
    bool Start(const std::string& path, const std::string& arguments = "") {
        std::string commandLine = "\"" + path + "\" " + arguments;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        return ::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                &startup, &info) != FALSE;
    }
    void End(HWND window) {
        if (window) ::PostMessageA(window, WM_CLOSE, 0, 0);
        if (::WaitForSingleObject(info.hProcess, 5000) != WAIT_OBJECT_0) ::TerminateProcess(info.hProcess, 1);
        ::CloseHandle(info.hThread);
        ::CloseHandle(info.hProcess);
    }
    double WorkingSetKb() const {
        PROCESS_MEMORY_COUNTERS counters{};
        counters.cb = sizeof counters;
        ::GetProcessMemoryInfo(info.hProcess, &counters, sizeof counters);
        return static_cast<double>(counters.WorkingSetSize) / 1024.0;
    }
};

std::string Text(HWND window) {
    char text[64] = {};
    ::SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

// Polls every millisecond until `ready` gives a window, at most 20 s.
template <class Ready>
HWND WaitFor(Ready ready) {
    const double end = Now() + 20000;
    while (Now() < end) {
        if (HWND window = ready()) return window;
        ::Sleep(1);
    }
    return nullptr;
}

HWND PickerWithLiveText() {
    HWND window = ::FindWindowA("#32770", "Huevane");
    return window && !Text(::GetDlgItem(window, IDC_LIVE_VALUE)).empty() ? window : nullptr;
}

HWND FloorWithText() {
    HWND window = ::FindWindowA("#32770", kFloorTitle);
    return window && !Text(::GetDlgItem(window, IDC_LIVE_VALUE)).empty() ? window : nullptr;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Row(const char* what, double huevane, double floor, const char* unit, double target) {
    const double ratio = huevane / floor;
    std::printf("%-34s %12.1f %12.1f %-4s %7.2f  %s %.2f\n", what, huevane, floor, unit, ratio,
                ratio <= target ? "met, target <=" : "MISSED, target <=", target);
}

}  // namespace

void BenchProcesses(const char* huevane, const char* bench, int ticks) {
    std::printf("%-34s %12s %12s %-4s %7s\n", "process", "Huevane", "floor", "unit", "ratio");

    // Start-up and footprint after start-up, alternating, five rounds each.
    std::vector<double> pickerStart, floorStart, pickerSet, floorSet;
    for (int round = 0; round < 5; ++round) {
        Process picker;
        double t0 = Now();
        picker.Start(huevane);
        HWND window = WaitFor(PickerWithLiveText);
        pickerStart.push_back(Now() - t0);
        ::Sleep(500);
        pickerSet.push_back(picker.WorkingSetKb());
        picker.End(window);

        Process floor;
        t0 = Now();
        floor.Start(bench, "--start-up-floor");
        window = WaitFor(FloorWithText);
        floorStart.push_back(Now() - t0);
        ::Sleep(500);
        floorSet.push_back(floor.WorkingSetKb());
        floor.End(window);
    }
    Row("start-up to the first live text", Median(pickerStart), Median(floorStart), "ms", 1.5);
    Row("working set after start-up", Median(pickerSet), Median(floorSet), "KB", 1.25);

    Process picker;
    picker.Start(huevane);
    HWND window = WaitFor(PickerWithLiveText);

    // Growth over many ticks: the timer stopped, ticks sent one by one.
    ::SendMessageA(window, WM_COMMAND, ID_TIMER_STOP, 0);
    const double before = picker.WorkingSetKb();
    const double t0 = Now();
    for (int tick = 0; tick < ticks; ++tick) ::SendMessageA(window, WM_TIMER, 1, 0);
    const double seconds = (Now() - t0) / 1000.0;
    const double after = picker.WorkingSetKb();
    std::printf("%-34s %12.1f KB after start-up, %.1f KB after %d ticks (%.0f s): growth %.1f KB, %s\n",
                "working set over many ticks", before, after, ticks, seconds, after - before,
                after - before <= 256 ? "met, target <= 256 KB" : "MISSED, target <= 256 KB");
    picker.End(window);
}

int FloorLoop() {
    const Floor floor(20);
    ::SetTimer(nullptr, 0, 25, nullptr);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER) floor.Read(Floor::ReadPointer());
    }
    return 0;
}
