// The built program itself: it starts, shows its window and ends when asked.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "main_template.h"
#include "results_printer.h"

namespace {

std::string programPath;

// How long a start may take, as the scripts that run the tests say; the same
// limit serves the end.
DWORD StartPatienceMs() {
    const char* seconds = std::getenv("HUEVANE_START_PATIENCE");
    EXPECT_NE(seconds, nullptr)
        << "HUEVANE_START_PATIENCE is not set: run the test through tests/isolated.sh";
    return seconds ? static_cast<DWORD>(std::atoi(seconds)) * 1000 : 0;
}

// The window once it is shown, which is when its initialisation has ended.
HWND WaitForWindow(const char* title, DWORD ms) {
    for (DWORD waited = 0; waited < ms; waited += 50) {
        HWND window = ::FindWindowA(nullptr, title);
        if (window && ::IsWindowVisible(window)) return window;
        ::Sleep(50);
    }
    return nullptr;
}

TEST(Program, StartsWithItsWindowAndEndsOnClose) {
    std::string commandLine = "\"" + programPath + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                 &startup, &process))
        << "could not start " << programPath << ", error " << ::GetLastError();

    HWND window = WaitForWindow("Huevane", StartPatienceMs());
    ASSERT_NE(window, nullptr) << "no window titled Huevane";
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    EXPECT_EQ(owner, process.dwProcessId);
    EXPECT_EQ(::GetParent(window), nullptr);
    const huevane_test::MainWindowChildren children = huevane_test::ChildrenOf(window);
    EXPECT_EQ(children.controls.size(), static_cast<std::size_t>(huevane_test::kMainWindowControls));
    EXPECT_EQ(children.announcers.size(), 1u);
    EXPECT_NE(::GetMenu(window), nullptr);

    ::PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(::WaitForSingleObject(process.hProcess, StartPatienceMs()), WAIT_OBJECT_0)
        << "the program did not end";
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
}

}  // namespace

// The program's path comes as the one argument, in either slash.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    huevane_test::PrintResultsToStandardOutputOnly();
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PATH-OF-Huevane.exe\n", argv[0]);
        return 2;
    }
    programPath = argv[1];
    for (char& c : programPath) {
        if (c == '/') c = '\\';
    }
    return RUN_ALL_TESTS();
}
