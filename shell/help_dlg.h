// CHelpDlg: the usage text, in blue Arial on a grey-blue field.
#pragma once

#include <string>

#include "platform.h"
#include "resource.h"

class CHelpDlg : public CDialog {
public:
    explicit CHelpDlg(CWnd* pParent) : CDialog(IDD_HELP_DIALOG, pParent) {}

    // The seven lines of the usage text, joined by line feeds.
    static std::string HelpText();

    DECLARE_MESSAGE_MAP()

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

private:
    CStatic m_helpText;
    CBrush m_brush;
    CFont m_font;
};
