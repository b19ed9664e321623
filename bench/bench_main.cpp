// Huevane's benchmark: run on demand by scripts/bench, never by the tests.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "floors.h"
#include "platform.h"
#include "process_bench.h"
#include "tick_bench.h"

namespace {

// Moves the window titled `title` that is not yet at the top of the screen
// to x, 0: the bench sets the programs it measures side by side at the top,
// so that no window covers another's views, as each opens. A box that a
// program opens over its window (a second copy of the program says that it
// finds its hot key taken) has the same title, but an owner.
int Place(const char* title, int x) {
    HWND window = nullptr;
    RECT at{};
    do {
        window = ::FindWindowExA(nullptr, window, "#32770", title);
    } while (window && ::GetWindowRect(window, &at) && (at.top == 0 || ::GetWindow(window, GW_OWNER)));
    return window && ::SetWindowPos(window, nullptr, x, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE)
               ? 0
               : 1;
}

// The window titled `title` that the bench placed at x, 0.
HWND Placed(const char* title, int x) {
    HWND window = nullptr;
    RECT at{};
    do {
        window = ::FindWindowExA(nullptr, window, "#32770", title);
    } while (window && ::GetWindowRect(window, &at) &&
             (at.left != x || at.top != 0 || ::GetWindow(window, GW_OWNER)));
    return window;
}

// Minimises the window titled `title` at x, 0, as its minimise button does.
int Minimise(const char* title, int x) {
    HWND window = Placed(title, x);
    DWORD_PTR answer = 0;
    if (!window ||
        !::SendMessageTimeoutA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0, SMTO_NORMAL, 60000, &answer)) {
        return 1;
    }
    return ::IsIconic(window) ? 0 : 1;
}

BOOL CALLBACK CloseOwnedBox(HWND box, LPARAM owner) {
    if (::GetWindow(box, GW_OWNER) == reinterpret_cast<HWND>(owner)) ::PostMessageA(box, WM_CLOSE, 0, 0);
    return TRUE;
}

// Tells the window titled `title` at x, 0 that its session is locked, as
// Windows does; no session can be locked here. Its box, if it opened one,
// is closed first: a second copy finds its hot key taken.
int Lock(const char* title, int x) {
    HWND window = Placed(title, x);
    if (!window) return 1;
    ::EnumWindows(&CloseOwnedBox, reinterpret_cast<LPARAM>(window));
    DWORD session = 0;
    ::ProcessIdToSessionId(::GetCurrentProcessId(), &session);
    DWORD_PTR answer = 0;
    return ::PostMessageA(window, WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK, static_cast<LPARAM>(session)) &&
                   ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &answer)
               ? 0
               : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "--place" && argc == 4) return Place(argv[2], std::atoi(argv[3]));
    if (mode == "--minimise" && argc == 4) return Minimise(argv[2], std::atoi(argv[3]));
    if (mode == "--lock" && argc == 4) return Lock(argv[2], std::atoi(argv[3]));
    if (mode == "--floor-loop") return FloorLoop();
    if (mode == "--start-up-floor") return StartUpFloor();
    if (mode == "--showing-floor" && argc == 3) return ShowingFloor(argv[2]);
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
