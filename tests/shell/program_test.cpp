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
    int controls = 0;
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        ++controls;
    EXPECT_EQ(controls, huevane_test::kMainWindowControls);
    EXPECT_NE(::GetMenu(window), nullptr);

    ::PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(::WaitForSingleObject(process.hProcess, StartPatienceMs()), WAIT_OBJECT_0)
        << "the program did not end";
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
}

// The manifest embedded in the program (resource type 24, identifier 1): the
// common controls of version 6, and per-monitor awareness of the DPI (v2,
// whose dialog manager lays a dialog out again at a change of scale), else
// the system's, where the system scales the whole window: never v1, which
// changes the scale and lays nothing out again.
TEST(Program, ItsManifestAsksForCommonControls6AndPerMonitorDpiAwareness) {
    HMODULE program = ::LoadLibraryExA(programPath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr) << "could not open " << programPath;
    HRSRC found = ::FindResourceA(program, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(found, nullptr) << "no manifest";
    const char* bytes = static_cast<const char*>(::LockResource(::LoadResource(program, found)));
    const std::string manifest(bytes, ::SizeofResource(program, found));
    ::FreeLibrary(program);

    for (const char* wanted : {"name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
                               ">true</dpiAware>", ">PerMonitorV2, System</dpiAwareness>"}) {
        EXPECT_NE(manifest.find(wanted), std::string::npos) << "the manifest lacks " << wanted;
    }
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
