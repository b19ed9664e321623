// A DLL planted beside the program under a system DLL's name. Once loaded, it
// leaves a file named after itself: ".loaded-at-start" where the process
// loaded it as it started, through the imports of the DLLs that the program
// imports; ".loaded" where it was loaded afterwards.
#include <windows.h>

#include <string>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID loadedAtStart) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    char path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameA(self, path, MAX_PATH);
    const std::string record = std::string(path, length) + (loadedAtStart ? ".loaded-at-start" : ".loaded");
    const HANDLE file = ::CreateFileA(record.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) ::CloseHandle(file);
    return TRUE;
}
