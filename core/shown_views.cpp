#include "shown_views.h"

namespace huevane {

void ShownViews::KeepOnlyWhatIsNotShown(SampleDrawing& drawing, const std::optional<ZoomSample>& zoom) {
    if (drawing.previewColour) {
        if (drawing.previewColour == m_preview) {
            drawing.previewColour.reset();
        } else {
            m_preview = drawing.previewColour;
        }
    }

    if (!drawing.drawZoom) {
        // Zoom off: whatever the view shows now, the next view drawn is new.
        m_zoom.reset();
        return;
    }
    // A square that could not be read shows nothing that can be kept.
    const std::optional<ZoomShown> now =
        zoom ? std::optional<ZoomShown>(ZoomShown{zoom->pointer, zoom->size}) : std::nullopt;
    if (now && zoom->sameScreen && now == m_zoom) {
        drawing.drawZoom = false;
    } else {
        m_zoom = now;
    }
}

void ShownViews::Repainted(View view) {
    switch (view) {
        case View::Preview: m_preview.reset(); break;
        case View::Zoom: m_zoom.reset(); break;
    }
}

}  // namespace huevane
