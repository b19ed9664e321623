// The sampling tick and the swatches: direct drawing into the static
// controls, outside any paint cycle. Nothing drawn here is remembered; a
// repaint blanks it until the next tick or capture.
#include <algorithm>
#include <string>

#include "picker_dlg.h"
#include "readout_format.h"
#include "sampling.h"
#include "shown_views.h"
#include "zoom_geometry.h"

namespace {

// Writing a window text costs a repaint; the same text is not written again.
void ShowText(CWnd& control, const std::string& text) {
    char shown[32];
    const int length = ::GetWindowTextA(control.m_hWnd, shown, sizeof shown);
    if (text.compare(0, std::string::npos, shown, static_cast<std::size_t>(std::max(length, 0))) != 0) {
        control.SetWindowText(text.c_str());
    }
}

}  // namespace

void CPickerDlg::OnTimer(UINT_PTR) {
    POINT cursor{0, 0};
    ::GetCursorPos(&cursor);
    const huevane::Point pointer{cursor.x, cursor.y};
    ShowText(m_position, huevane::FormatPosition(pointer.x, pointer.y));

    CScreenDC screen;
    const std::optional<huevane::Rect> square = huevane::ZoomSourceSquare(m_state, pointer);
    const bool copied = square && screen.GetSafeHdc() && m_zoomSource.Copy(screen, *square);
    huevane::SampleDrawing drawing = huevane::OnSample(m_state, ReadPixel(screen, pointer, copied));
    const std::optional<huevane::ZoomSample> zoom =
        copied ? std::optional(huevane::ZoomSample{pointer, square->width, m_zoomSource.SameAsBefore()})
               : std::nullopt;
    m_shownViews.Trim(drawing, zoom);

    if (drawing.liveText) ShowText(m_liveValue, *drawing.liveText);
    if (drawing.previewColour) {
        CWindowDC preview(m_preview.m_hWnd);
        if (preview.GetSafeHdc()) {
            RECT client{};
            m_preview.GetClientRect(&client);
            preview.FillSolidRect(client, *drawing.previewColour);
        } else {
            m_shownViews.Repainted(huevane::View::Preview);
        }
    }
    if (drawing.drawZoom && !DrawZoomView(copied, pointer)) m_shownViews.Repainted(huevane::View::Zoom);
    Default();
}

// With zoom on, the square already copied holds the pointer's pixel, so the
// screen is read once.
huevane::COLORREF CPickerDlg::ReadPixel(const CDC& screen, huevane::Point pointer, bool copied) {
    if (!screen.GetSafeHdc()) return huevane::kInvalidColour;
    if (copied) return m_zoomSource.Pixel(pointer);
    return ::GetPixel(screen, pointer.x, pointer.y);
}

bool CPickerDlg::DrawZoomView(bool copied, huevane::Point pointer) {
    CWindowDC zoom(m_zoomView.m_hWnd);
    if (!zoom.GetSafeHdc()) return false;
    RECT client{};
    m_zoomView.GetClientRect(&client);
    const huevane::ZoomGeometry g =
        huevane::ComputeZoomGeometry(pointer, m_state.m_nZoomOffset, m_state.m_nZoomSize, client.left,
                                     client.top, client.right, client.bottom);

    zoom.SetStretchBltMode(COLORONCOLOR);
    if (copied) {
        ::StretchBlt(zoom, g.destination.left, g.destination.top, g.destination.width, g.destination.height,
                     m_zoomSource.Picture(), 0, 0, g.source.width, g.source.height, SRCCOPY);
    }

    // One cross-hair pen at a time: the last one goes before the next is made.
    m_crossPen.DeleteObject();
    m_crossPen.Attach(::CreatePen(PS_SOLID, 1, RGB(255, 0, 0)));
    CSelectObject pen(zoom, m_crossPen);
    zoom.MoveTo(g.vertical.start.x, g.vertical.start.y);
    zoom.LineTo(g.vertical.end.x, g.vertical.end.y);
    zoom.MoveTo(g.horizontal.start.x, g.horizontal.start.y);
    zoom.LineTo(g.horizontal.end.x, g.horizontal.end.y);
    return true;
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
