#include "screen_square.h"

#include <algorithm>
#include <utility>

ScreenSquare::~ScreenSquare() {
    if (!m_hDC) return;
    ::SelectObject(m_hDC, m_hOldBitmap);
    ::DeleteObject(m_hBitmap);
    ::DeleteDC(m_hDC);
}

// Made once, big enough for the largest square, and kept. Its pixels are in
// memory that the program reads directly.
bool ScreenSquare::MakeBitmap(HDC screen) {
    m_hDC = ::CreateCompatibleDC(screen);
    if (!m_hDC) return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kSide;
    info.bmiHeader.biHeight = -kSide;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_hBitmap = ::CreateDIBSection(m_hDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!m_hBitmap) {
        ::DeleteDC(std::exchange(m_hDC, nullptr));
        return false;
    }
    m_pBits = static_cast<const std::uint32_t*>(bits);
    m_hOldBitmap = ::SelectObject(m_hDC, m_hBitmap);
    return true;
}

bool ScreenSquare::Copy(HDC screen, const huevane::Rect& source) {
    m_bSameAsBefore = false;
    if (!m_hDC && !MakeBitmap(screen)) return false;
    if (m_nCopiesSinceScreens-- <= 0) {
        m_screens = {::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN),
                     ::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
        m_nCopiesSinceScreens = 1000 / static_cast<int>(huevane::kSamplePeriodMs);
    }
    const bool sameSquare = source == m_source;
    m_source = source;
    // A copy that reaches past the screens' edge is not the same everywhere
    // (Wine gives black for all of it), so only the part on them is read.
    const std::optional<huevane::Rect> onScreens = huevane::Intersection(source, m_screens);
    if (onScreens != source) ::PatBlt(m_hDC, 0, 0, source.width, source.height, BLACKNESS);
    if (onScreens &&
        !::BitBlt(m_hDC, onScreens->left - source.left, onScreens->top - source.top, onScreens->width,
                  onScreens->height, screen, onScreens->left, onScreens->top, SRCCOPY)) {
        m_source = {};
        return false;
    }
    ::GdiFlush();

    bool same = sameSquare;
    for (int row = 0; row < source.height; ++row) {
        const std::uint32_t* now = m_pBits + row * kSide;
        std::uint32_t* before = m_before.data() + row * kSide;
        same = same && std::equal(now, now + source.width, before);
        std::copy(now, now + source.width, before);
    }
    m_bSameAsBefore = same;
    return true;
}

huevane::COLORREF ScreenSquare::Pixel(huevane::Point point) const {
    const huevane::Rect pixel{point.x, point.y, 1, 1};
    if (!huevane::Intersection(pixel, m_screens) || !huevane::Intersection(pixel, m_source)) {
        return huevane::kInvalidColour;
    }
    const std::uint32_t rgb = m_pBits[(point.y - m_source.top) * kSide + (point.x - m_source.left)];
    return huevane::MakeColor(rgb >> 16 & 0xFFu, rgb >> 8 & 0xFFu, rgb & 0xFFu);
}
