// CPickerApp: the application; its start-up runs the main window modally.
#pragma once

#include "platform.h"

class CPickerApp : public CWinApp {
public:
    BOOL InitInstance() override;
};
