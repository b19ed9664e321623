// The system's DLLs.
//   NarrowDllSearchToSystem32   the program's first act: no DLL from its own folder
//   LoadSystemLibrary           a DLL beyond the program's imports, from System32
//   SystemProc                  a function of such a DLL, typed
#pragma once

#include <windows.h>

// From here on, every DLL that the process loads by name, and every DLL that
// such a DLL imports, comes from System32: never from the folder the program
// stands in (a Downloads folder holds whatever else was downloaded) nor from
// the current folder. Where the system has no such restriction (Windows Vista
// and 7 without update KB2533623), the current folder is at least taken out.
void NarrowDllSearchToSystem32();

// The DLL `name` from System32, loaded for the rest of the process; null
// where the system has none.
HMODULE LoadSystemLibrary(const char* name);

// The function `name` of the system DLL `library` (loaded by
// LoadSystemLibrary), as a pointer of type `Proc`; null where that system has
// none.
template <class Proc>
Proc SystemProc(const char* library, const char* name) {
    const HMODULE module = LoadSystemLibrary(library);
    // Every function pointer converts through FARPROC alike.
    return module ? reinterpret_cast<Proc>(reinterpret_cast<void*>(::GetProcAddress(module, name))) : nullptr;
}
