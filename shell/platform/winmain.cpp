// The program's entry point: the application object does the rest.
#include "app.h"
#include "system_library.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // First, before anything can load a DLL that is not one of the system's
    // known DLLs: none is taken from the program's folder.
    NarrowDllSearchToSystem32();
    return AfxWinMain();
}
