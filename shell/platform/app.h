// The application.
//   CWinApp                    the one application object; InitInstance runs the program
//   AfxGetApp                  that object
//   AfxEnableControlContainer  see below
//   AfxWinMain                 the program's main routine
#pragma once

#include <windows.h>

#include "wnd.h"

class CWinApp {
public:
    // The one application object registers itself; there is no name.
    explicit CWinApp(const char* appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Runs the program. Its result would ask for a message loop of the
    // application's own, which this framework does not have.
    virtual BOOL InitInstance() { return FALSE; }
    virtual int ExitInstance() { return 0; }

    // Every Windows that runs this program draws dialog controls in 3D itself.
    BOOL Enable3dControls() { return TRUE; }

    // The window that owns the program's other dialogs.
    CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();

// No dialog of this program holds an ActiveX control, so there is no control
// container to switch on; the call marks where one would be.
inline void AfxEnableControlContainer() {}

int AfxWinMain();
