// The sampling tick's rules: what a pixel read under the pointer changes and
// what the window then draws.
#pragma once

#include <optional>
#include <string>

#include "colorref.h"
#include "zoom_geometry.h"

namespace huevane {

struct PickerState;

struct SampleDrawing {
    std::optional<std::string> liveText;    // the live readout's new text, if any
    std::optional<COLORREF> previewColour;  // the colour to fill the preview with, if any
    bool drawZoom;                          // draw the zoom view at the preset in force
};

// The zoom source square round the pointer, to be read from the screen in
// one go while zoom is on: the pointer's pixel lies inside it, at the zoom
// offset from its top-left corner. Nothing while zoom is off.
std::optional<Rect> ZoomSourceSquare(const PickerState& state, Point pointer);

// A readable pixel becomes the current colour, shown as text in the format
// in force and in the preview. An unreadable one (the platform's invalid
// colour) is no colour at all: the current colour, the live text and the
// preview stay as the last readable pixel left them, so that a capture can
// never push it into the history or onto the clipboard.
SampleDrawing OnSample(PickerState& state, COLORREF pixel);

}  // namespace huevane
