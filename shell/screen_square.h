// ScreenSquare: the zoom source square, copied from the screen into memory in
// one read, so that the colour under the pointer and the magnified picture
// come from the same instant. Owns its memory device context and bitmap.
#pragma once

#include "platform.h"
#include "zoom_geometry.h"

class ScreenSquare {
public:
    ScreenSquare() = default;
    ~ScreenSquare();
    ScreenSquare(const ScreenSquare&) = delete;
    ScreenSquare& operator=(const ScreenSquare&) = delete;

    // Copies `source` (screen coordinates) from `screen`; false if it could
    // not be read.
    bool Copy(HDC screen, const huevane::Rect& source);
    // The copy, with the square's top-left pixel at (0, 0).
    HDC Picture() const { return m_hDC; }

private:
    HDC m_hDC = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOldBitmap = nullptr;
};
