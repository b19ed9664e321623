// The sampling tick and the swatches: direct drawing into the static
// controls, outside any paint cycle. Nothing drawn here is remembered; a
// repaint blanks it until the next tick or capture.
#include "picker_dlg.h"
#include "readout_format.h"
#include "sampling.h"
#include "zoom_geometry.h"

void CPickerDlg::OnTimer(UINT_PTR) {
    POINT pointer{0, 0};
    ::GetCursorPos(&pointer);
    m_position.SetWindowText(huevane::FormatPosition(pointer.x, pointer.y).c_str());

    CScreenDC screen;
    const COLORREF pixel = screen.GetSafeHdc() ? ::GetPixel(screen, pointer.x, pointer.y) : CLR_INVALID;
    const huevane::SampleDrawing drawing = huevane::OnSample(m_state, pixel);

    if (drawing.liveText) m_liveValue.SetWindowText(drawing.liveText->c_str());
    if (drawing.previewColour) {
        CWindowDC preview(m_preview.m_hWnd);
        if (preview.GetSafeHdc()) {
            RECT client{};
            m_preview.GetClientRect(&client);
            preview.FillSolidRect(client, *drawing.previewColour);
        }
    }
    if (drawing.drawZoom) DrawZoomView(screen, {pointer.x, pointer.y});
    Default();
}

void CPickerDlg::DrawZoomView(const CDC& screen, huevane::Point pointer) {
    CWindowDC zoom(m_zoomView.m_hWnd);
    if (!zoom.GetSafeHdc()) return;
    RECT client{};
    m_zoomView.GetClientRect(&client);
    const huevane::ZoomGeometry g =
        huevane::ComputeZoomGeometry(pointer, m_state.m_nZoomOffset, m_state.m_nZoomSize, client.left,
                                     client.top, client.right, client.bottom);

    zoom.SetStretchBltMode(COLORONCOLOR);
    if (screen.GetSafeHdc()) {
        ::StretchBlt(zoom, g.destination.left, g.destination.top, g.destination.width, g.destination.height,
                     screen, g.source.left, g.source.top, g.source.width, g.source.height, SRCCOPY);
    }

    // One cross-hair pen at a time: the last one goes before the next is made.
    m_crossPen.DeleteObject();
    m_crossPen.Attach(::CreatePen(PS_SOLID, 1, RGB(255, 0, 0)));
    CSelectObject pen(zoom, m_crossPen);
    zoom.MoveTo(g.vertical.start.x, g.vertical.start.y);
    zoom.LineTo(g.vertical.end.x, g.vertical.end.y);
    zoom.MoveTo(g.horizontal.start.x, g.horizontal.start.y);
    zoom.LineTo(g.horizontal.end.x, g.horizontal.end.y);
}

void CPickerDlg::PaintSwatches(const std::array<huevane::COLORREF, 5>& colours) {
    CStatic* swatches[] = {&m_swatch1, &m_swatch2, &m_swatch3, &m_swatch4, &m_swatch5};
    for (std::size_t k = 0; k < colours.size(); ++k) {
        CWindowDC dc(swatches[k]->m_hWnd);
        if (!dc.GetSafeHdc()) continue;
        RECT client{};
        swatches[k]->GetClientRect(&client);
        dc.FillSolidRect(client, colours[k]);
    }
}
