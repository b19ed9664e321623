#include "system_library.h"

#include <string>

void NarrowDllSearchToSystem32() {
    // kernel32 is a known DLL, mapped before the program starts: looking the
    // function up loads nothing.
    using SetDefaultDllDirectoriesProc = BOOL(WINAPI*)(DWORD);
    const auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesProc>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories")));
    if (!setDefault || !setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) ::SetDllDirectoryA("");
}

HMODULE LoadSystemLibrary(const char* name) {
    // By name, so that the side-by-side assembly that the manifest asks for
    // (the common controls 6) is the one loaded.
    if (const HMODULE module = ::LoadLibraryExA(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return module;
    // Systems without the flag refuse it: there, by System32's whole path,
    // and what the DLL imports is looked for beside it first.
    if (::GetLastError() != ERROR_INVALID_PARAMETER) return nullptr;
    char folder[MAX_PATH];
    const UINT length = ::GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    return ::LoadLibraryExA((std::string(folder, length) + "\\" + name).c_str(), nullptr,
                            LOAD_WITH_ALTERED_SEARCH_PATH);
}
