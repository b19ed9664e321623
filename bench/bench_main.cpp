// Huevane's benchmark: run on demand by scripts/bench, never by the tests.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "floors.h"
#include "platform.h"
#include "process_bench.h"
#include "tick_bench.h"

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "--floor-loop") return FloorLoop();
    if (mode == "--start-up-floor") return StartUpFloor();
    if (mode == "--showing-floor") return ShowingFloor();
    if (argc < 3) {
        std::fprintf(stderr, "usage: huevane_bench PATH-OF-Huevane.exe PATH-OF-THIS-BENCH [ticks]\n");
        return 2;
    }
    CWinApp app;
    InitCommonControls();
    BenchTick(2000);
    std::printf("\n");
    BenchProcesses(argv[1], argv[2], argc > 3 ? std::atoi(argv[3]) : 100000);
    return 0;
}
