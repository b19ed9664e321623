// ScreenSquare: a square of the screen copied into memory in one read, so
// that the colour under the pointer and the magnified picture come from the
// same instant. It reads the part of the square that it is told to, leaves
// the rest black, and says whether the copy differs from the one before.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include "colorref.h"
#include "platform.h"
#include "view_options.h"
#include "zoom_geometry.h"

class ScreenSquare {
public:
    enum class Copied { Not, Unchanged, Changed };

    // Copies `part` of `square` (both in screen coordinates) from `screen`;
    // the rest of the copy is black. Not when nothing could be read.
    Copied Copy(HDC screen, const huevane::Rect& square, const std::optional<huevane::Rect>& part);
    // The last copy, with the square's top-left pixel at (0, 0).
    HDC Picture() const { return m_dc.Get(); }
    // The colour of a pixel of the last copy, from its top-left corner.
    huevane::COLORREF Pixel(huevane::Point inSquare) const;

private:
    static constexpr int kSide = huevane::kLargestZoomSize;

    bool MakeBitmap(HDC screen);

    COwnedHandle<HDC, &::DeleteDC> m_dc;
    COwnedHandle<HBITMAP, &::DeleteObject> m_bitmap;
    // The bitmap selected into the device context until both go.
    std::optional<CSelectObject> m_selected;
    // The bitmap's pixels, 0x00RRGGBB, row by row from the top.
    const std::uint32_t* m_pBits = nullptr;
    int m_nWidth = 0;
    std::array<std::uint32_t, kSide * kSide> m_before{};
};
