#include "about_dlg.h"

// OK and Cancel are the dialog's own.
BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
END_MESSAGE_MAP()
