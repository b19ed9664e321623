// The sampling tick's rules: what a pixel read under the pointer changes and
// what the window then draws.
#pragma once

#include <optional>
#include <string>

#include "colorref.h"

namespace huevane {

struct PickerState;

struct SampleDrawing {
    std::optional<std::string> liveText;    // the live readout's new text, if any
    std::optional<COLORREF> previewColour;  // the colour to fill the preview with, if any
    bool drawZoom;                          // draw the zoom view at the preset in force
};

// A readable pixel becomes the current colour, shown as text in the format
// in force and in the preview. An unreadable one (the platform's invalid
// colour) is no colour at all: the current colour, the live text and the
// preview stay as the last readable pixel left them, so that a capture can
// never push it into the history or onto the clipboard.
SampleDrawing OnSample(PickerState& state, COLORREF pixel);

}  // namespace huevane
