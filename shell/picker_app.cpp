#include "picker_app.h"

#include "common_controls.h"
#include "picker_dlg.h"

BOOL CPickerApp::InitInstance() {
    AfxEnableControlContainer();
    // The main window's hot key control needs the common control classes.
    RegisterCommonControlClasses();
    Enable3dControls();

    CPickerDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;

    // Return FALSE: the program ends when its window closes.
    return FALSE;
}
