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
    // Whether the last square copied lies wholly on the screens.
    bool OnScreen() const { return m_bOnScreen; }

private:
    HDC m_hDC = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOldBitmap = nullptr;
    bool m_bOnScreen = false;
    // The screens' bounds, asked for again once a second: the platform takes
    // longer to give them than to copy the square.
    huevane::Rect m_screens{};
    int m_nCopiesSinceScreens = 0;
};
