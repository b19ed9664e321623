// The program's start.
//   StartProcess   run by the loader before any code of the program or its runtime
//   WinMain        the entry point: the application object does the rest
#include <windows.h>

#include <cstdint>

#include "app.h"
#include "posted_messages.h"
#include "system_library.h"

// The stack protector's guard. The runtime's constructor fills it, from a
// crypto provider that loads DLLs of its own, only while it is still zero.
extern "C" std::uintptr_t __stack_chk_guard;
// Where the loader placed the program, which address space layout
// randomisation chooses anew at each start.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

// One value folded into the seed so far, its bits spread over all of it.
std::uint64_t Folded(std::uint64_t seed, std::uint64_t value) {
    std::uint64_t mixed = seed ^ value;
    mixed = (mixed ^ (mixed >> 30)) * 0xBF58476D1CE4E5B9u;
    mixed = (mixed ^ (mixed >> 27)) * 0x94D049BB133111EBu;
    return mixed ^ (mixed >> 31);
}

// The guard from what differs from one start to the next and from one
// machine to another, as the system's own compilers seed their stack
// cookie: the counters, the clock, the process and thread, and where the
// program, its stack and its heap were placed. None of it loads a DLL.
// Not itself protected: it changes the guard while it runs.
__attribute__((no_stack_protector)) void SeedStackGuard() {
    LARGE_INTEGER counter{};
    ::QueryPerformanceCounter(&counter);
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    std::uint64_t seed = Folded(0, static_cast<std::uint64_t>(counter.QuadPart));
    seed = Folded(seed, (static_cast<std::uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime);
    seed = Folded(seed, (static_cast<std::uint64_t>(::GetCurrentProcessId()) << 32) | ::GetCurrentThreadId());
    seed = Folded(seed, ::GetTickCount64());
    seed = Folded(seed, reinterpret_cast<std::uintptr_t>(&counter));
    seed = Folded(seed, reinterpret_cast<std::uintptr_t>(&__ImageBase));
    seed = Folded(seed, reinterpret_cast<std::uintptr_t>(::GetProcessHeap()));
    // A zero leaves the guard to the runtime, whose crypto provider then
    // comes from System32.
    __stack_chk_guard = static_cast<std::uintptr_t>(seed ^ (seed >> 32));
}

// The loader runs the program's TLS callbacks before its entry point, and so
// before the runtime's start-up and every constructor: the DLL search is
// narrowed before anything that the program or its runtime does can load a
// DLL that is not one of the system's known DLLs. Only what kernel32, mapped
// before the program starts, gives is called here.
__attribute__((no_stack_protector)) void NTAPI StartProcess(PVOID, DWORD reason, PVOID) {
    if (reason != DLL_PROCESS_ATTACH) return;
    NarrowDllSearchToSystem32();
    SeedStackGuard();
}

// In the runtime's table of TLS callbacks, ahead of its own (".CRT$XLC").
__attribute__((used, section(".CRT$XLB"))) PIMAGE_TLS_CALLBACK startProcessCallback = &StartProcess;

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // For the life of the thread, in every loop it runs: its own, the
    // system's while a menu is open or a window is moved or sized, a message
    // box's; without it, no window opens.
    return RunFiltered(&AfxWinMain);
}
