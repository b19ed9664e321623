// ScreenSquare: the zoom source square, copied from the screen into memory in
// one read, so that the colour under the pointer and the magnified picture
// come from the same instant. Near an edge only the part on the screens is
// read and the rest is black. It tells whether the copy holds the same pixels
// as the one before. Owns its memory device context and bitmap.
#pragma once

#include <array>
#include <cstdint>

#include "colorref.h"
#include "platform.h"
#include "view_options.h"
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
    // The colour of a screen pixel inside the square last copied; the
    // platform's invalid colour for one that lies on no screen.
    huevane::COLORREF Pixel(huevane::Point point) const;
    // Whether the last copy is the same square, pixel for pixel, as the copy
    // before it.
    bool SameAsBefore() const { return m_bSameAsBefore; }

private:
    static constexpr int kSide = huevane::kScale2x.size;  // the largest square

    bool MakeBitmap(HDC screen);

    HDC m_hDC = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOldBitmap = nullptr;
    // The bitmap's pixels, 0x00RRGGBB, row by row from the top.
    const std::uint32_t* m_pBits = nullptr;
    huevane::Rect m_source{};
    std::array<std::uint32_t, kSide * kSide> m_before{};
    bool m_bSameAsBefore = false;
    // The screens' bounds, asked for again once a second: the platform takes
    // longer to give them than to copy the square.
    huevane::Rect m_screens{};
    int m_nCopiesSinceScreens = 0;
};
