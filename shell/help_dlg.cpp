#include "help_dlg.h"

#include <array>
#include <cstring>

namespace {

constexpr COLORREF kHelpBackground = RGB(155, 177, 203);
constexpr COLORREF kHelpTextColour = RGB(0, 0, 255);
constexpr int kHelpFontHeightAt96Dpi = 12;  // cell height in pixels at 100 %

// The text, in the pieces it is kept in; lines end with a line feed alone.
constexpr std::array<const char*, 12> kHelpPieces{
    "1. A hot key has been assigned, Alt + C, it can be changed by the user.\n",
    "click the hot key control, press the key combination, and click the '<' button.\n",
    "2. Select the type of display, HEX, HTML, or RGB\n",
    "3. Click Timer-Start in the menu\n",
    "4. Move the mouse anywhere on the screen, including the task bar, ",
    "you will see the color under the mouse in the left rectangle and a 4 - 1 zoom in the right rectangle.\n",
    "5. At any time you can press the hot key to copy the current color into the first of five boxes ",
    "at the bottom of the dialog box. The value is also saved in a list box.\n",
    "6. When you have five or less colors selected, click Timer-Stop. ",
    "You will notice the colored boxes are erased until you select one of them in the list box.  ",
    "Now you can Copy the selected value ",
    "to the Clipboard.",
};

// The user has asked for the system's high-contrast colours.
bool HighContrastOn() {
    HIGHCONTRASTA contrast{};
    contrast.cbSize = sizeof contrast;
    return ::SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace

BEGIN_MESSAGE_MAP(CHelpDlg, CDialog)
ON_WM_CTLCOLOR()
ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
ON_MESSAGE(WM_SETTINGCHANGE, OnSettingChange)
END_MESSAGE_MAP()

std::string CHelpDlg::HelpText() {
    std::string text;
    for (const char* piece : kHelpPieces) text += piece;
    return text;
}

void CHelpDlg::DoDataExchange(CDataExchange* pDX) { DDX_Control(pDX, IDC_HELP_TEXT, m_helpText); }

BOOL CHelpDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_brush.Attach(::CreateSolidBrush(kHelpBackground));
    UseFontFor(DpiOfWindow(m_hWnd));
    m_helpText.SetWindowText(HelpText().c_str());
    return TRUE;
}

// The default handling lays the box out for the new scale and gives every
// control the dialog's own font at that scale, the help text too; the help
// text's Arial is then made again for the new scale and set after it.
// Setting it afterwards works on every system, where opting the control out
// of the update needs a call that systems before Windows 10 1703 lack.
LRESULT CHelpDlg::OnDpiChanged(WPARAM wParam, LPARAM) {
    const LRESULT result = Default();
    UseFontFor(HIWORD(wParam));
    return result;
}

void CHelpDlg::UseFontFor(UINT dpi) {
    LOGFONTA font;
    std::memset(&font, 0, sizeof font);
    font.lfHeight = ::MulDiv(kHelpFontHeightAt96Dpi, static_cast<int>(dpi), static_cast<int>(kDefaultDpi));
    std::strcpy(font.lfFaceName, "Arial");
    HFONT scaled = ::CreateFontIndirectA(&font);
    m_helpText.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(scaled), TRUE);
    // The text no longer uses the font held before, which this deletes.
    m_font.Attach(scaled);
}

// The help text draws again in the colours of the setting now in force.
LRESULT CHelpDlg::OnSettingChange(WPARAM wParam, LPARAM) {
    const LRESULT result = Default();
    if (wParam == SPI_SETHIGHCONTRAST) m_helpText.InvalidateRect(nullptr, TRUE);
    return result;
}

// Only the help text is blue on grey-blue; the control decides, not the kind
// of message. Under high contrast it takes the system's window colours, which
// the user chose to be able to read.
HBRUSH CHelpDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    const HBRUSH platformBrush = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    if (pWnd->GetDlgCtrlID() != IDC_HELP_TEXT) return platformBrush;
    pDC->SetBkMode(TRANSPARENT);
    if (HighContrastOn()) {
        pDC->SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
        return ::GetSysColorBrush(COLOR_WINDOW);
    }
    pDC->SetTextColor(kHelpTextColour);
    return m_brush;
}
