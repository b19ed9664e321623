#include "common_controls.h"

#include "platform.h"

void RegisterCommonControlClasses() {
    // The common controls load the theme library, and it the libraries that
    // it draws with, by name as they draw: these come from System32 first,
    // so that no later load by name takes another, also where a loader does
    // not narrow the search for them (Windows Vista and 7 without the update
    // that narrows it; Wine's delay-loaded imports).
    for (const char* drawing : {"msimg32.dll", "dwmapi.dll", "uxtheme.dll"}) LoadSystemLibrary(drawing);
    using InitCommonControlsExProc = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const auto initialise = SystemProc<InitCommonControlsExProc>("comctl32.dll", "InitCommonControlsEx");
    if (!initialise) return;
    INITCOMMONCONTROLSEX classes{};
    classes.dwSize = sizeof classes;
    classes.dwICC = ICC_HOTKEY_CLASS;
    initialise(&classes);
}
