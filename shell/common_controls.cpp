#include "common_controls.h"

#include "platform.h"

void RegisterCommonControlClasses() {
    INITCOMMONCONTROLSEX classes{};
    classes.dwSize = sizeof classes;
    classes.dwICC = ICC_HOTKEY_CLASS;
    ::InitCommonControlsEx(&classes);
}
