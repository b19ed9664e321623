// CHelpDlg: the usage text, in blue Arial on a grey-blue field (in the
// system's window colours under high contrast), its font scaled with the
// monitor the box is on.
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
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnSettingChange(WPARAM wParam, LPARAM lParam);

private:
    // Sets the help text's font, 12 pixels high at 96 DPI, for `dpi`.
    void UseFontFor(UINT dpi);

    CStatic m_helpText;
    CBrush m_brush;
    CFont m_font;
};
