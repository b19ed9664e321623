// What the preview and the zoom view show, as far as the window can know:
// what the last tick drew into them, until the system repaints them with
// their plain background. A tick draws only what they do not show already,
// so that a still pointer over a still screen costs no drawing.
#pragma once

#include <optional>

#include "colorref.h"
#include "sampling.h"
#include "zoom_geometry.h"

namespace huevane {

// The two views that the tick draws into.
enum class View { Preview, Zoom };

// What a tick's zoom view would show: the square at this preset round this
// pointer, and whether the screen there holds the same pixels as when the
// last tick read it.
struct ZoomSample {
    Point pointer;
    int size;
    bool sameScreen;
};

class ShownViews {
public:
    // Leaves in `drawing` only what the views do not show already, and takes
    // what remains as shown from now on. `zoom` is what the zoom view would
    // show, if its square could be read.
    void KeepOnlyWhatIsNotShown(SampleDrawing& drawing, const std::optional<ZoomSample>& zoom);

    // The system repainted that view: it shows nothing of ours any more.
    void Repainted(View view);

private:
    struct ZoomShown {
        Point pointer;
        int size;
        bool operator==(const ZoomShown&) const = default;
    };
    std::optional<COLORREF> m_preview;
    std::optional<ZoomShown> m_zoom;
};

}  // namespace huevane
