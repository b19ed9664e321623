// Whether the screen can be read, found out apart from the sampling tick:
// the probe is painted at one step of the check's timer and read back at the
// next, after the system has had the messages in between to show it.
#include "picker_dlg.h"
#include "screen_probe.h"

void CPickerDlg::OnScreenCheckStep() {
    CarryOut(huevane::OnScreenCheckTimer(m_state, ReadProbe(m_hWnd, ProbeAt())));
}

// Between the preview and the zoom view, at the height of their middle.
POINT CPickerDlg::ProbeAt() const { return ProbeOrigin(m_hWnd, m_preview.m_hWnd, m_zoomView.m_hWnd); }
