// The program's one application object; the framework's entry point runs it.
#include "picker_app.h"

CPickerApp theApp;
