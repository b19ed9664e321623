// CAboutDlg: the program's icon, name and version, and OK.
#pragma once

#include "platform.h"
#include "resource.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

    DECLARE_MESSAGE_MAP()
};
