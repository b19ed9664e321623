// The sampling tick and the swatches: direct drawing into the static
// controls, outside any paint cycle. A repaint by the system blanks what was
// drawn; the views are drawn again at the next tick, the swatches at the next
// capture.
#include <algorithm>
#include <optional>
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

// The pointer, where it could be read: not while another desktop takes the
// input.
std::optional<huevane::Point> ReadPointer() {
    POINT cursor{0, 0};
    if (!::GetCursorPos(&cursor)) return std::nullopt;
    return huevane::Point{cursor.x, cursor.y};
}

}  // namespace

void CPickerDlg::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == huevane::kScreenCheckTimerId) {
        OnScreenCheckStep();
        return;
    }
    if (!huevane::TickReads(m_state)) {
        Default();
        return;
    }
    const std::optional<huevane::Point> readPointer = ReadPointer();
    const std::optional<huevane::ScreenRead> planned =
        huevane::PlanScreenRead(m_state, readPointer, m_screens);
    if (!planned) {
        Default();
        return;
    }
    const huevane::ScreenRead& read = *planned;
    const huevane::Point pointer = *readPointer;
    ShowText(m_position, huevane::FormatPosition(pointer.x, pointer.y));

    CScreenDC screen;
    const ScreenSquare::Copied copied = read.square && screen.GetSafeHdc()
                                            ? m_zoomSource.Copy(screen, *read.square, read.squareOnScreens)
                                            : ScreenSquare::Copied::Not;
    huevane::SampleDrawing drawing = huevane::OnSample(m_state, ReadColour(screen, read, copied));
    const HDC picture = copied != ScreenSquare::Copied::Not ? m_zoomSource.Picture() : nullptr;
    m_shownViews.KeepOnlyWhatIsNotShown(
        drawing, picture ? std::optional(huevane::ZoomSample{pointer, read.square->width,
                                                             copied == ScreenSquare::Copied::Unchanged})
                         : std::nullopt);

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
    if (drawing.drawZoom && !DrawZoomView(pointer, picture)) m_shownViews.Repainted(huevane::View::Zoom);
    Default();
}

// The colour where the rules say it is; the platform's invalid colour where
// it could not be read.
huevane::COLORREF CPickerDlg::ReadColour(const CDC& screen, const huevane::ScreenRead& read,
                                         ScreenSquare::Copied copied) const {
    switch (read.colourFrom) {
        case huevane::ScreenRead::From::Square:
            if (copied != ScreenSquare::Copied::Not) return m_zoomSource.Pixel(read.colourAt);
            break;
        case huevane::ScreenRead::From::Screen:
            if (screen.GetSafeHdc()) return ::GetPixel(screen, read.colourAt.x, read.colourAt.y);
            break;
        case huevane::ScreenRead::From::Nowhere: break;
    }
    return huevane::kInvalidColour;
}

// A capture while minimised reads the one pixel under the pointer, as a tick
// with zoom off reads it.
huevane::COLORREF CPickerDlg::ReadPixelForCapture() const {
    const std::optional<huevane::Point> at = huevane::PlanCaptureRead(ReadPointer(), m_screens);
    CScreenDC screen;
    return at && screen.GetSafeHdc() ? ::GetPixel(screen, at->x, at->y) : huevane::kInvalidColour;
}

// The screens' bounds: asked for at start and whenever the display changes,
// since the platform takes longer to give them than a tick to read the
// square.
void CPickerDlg::AskScreenBounds() {
    m_screens = {::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN),
                 ::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

bool CPickerDlg::DrawZoomView(huevane::Point pointer, HDC picture) {
    CWindowDC zoom(m_zoomView.m_hWnd);
    if (!zoom.GetSafeHdc()) return false;
    RECT client{};
    m_zoomView.GetClientRect(&client);
    const huevane::ZoomGeometry g =
        huevane::ComputeZoomGeometry(pointer, m_state.m_nZoomOffset, m_state.m_nZoomSize, client.left,
                                     client.top, client.right, client.bottom);

    zoom.SetStretchBltMode(COLORONCOLOR);
    if (picture) {
        ::StretchBlt(zoom, g.destination.left, g.destination.top, g.destination.width, g.destination.height,
                     picture, 0, 0, g.source.width, g.source.height, SRCCOPY);
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
