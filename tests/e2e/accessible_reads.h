// What assistive technology reads of the main window, from another process.
//   AccessibleControl   a control's name, role and value, as "name|role|value"
//   NameChanges         each name change of the main window's controls, as it comes
//   SystemInterfaces    which of the system object's other interfaces a control's gives
#pragma once

#include <windows.h>

int AccessibleControl(HWND main, int id);
int NameChanges(HWND main);
int SystemInterfaces(HWND main, int id);
