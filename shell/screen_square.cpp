#include "screen_square.h"

#include <utility>

#include "view_options.h"

ScreenSquare::~ScreenSquare() {
    if (!m_hDC) return;
    ::SelectObject(m_hDC, m_hOldBitmap);
    ::DeleteObject(m_hBitmap);
    ::DeleteDC(m_hDC);
}

bool ScreenSquare::Copy(HDC screen, const huevane::Rect& source) {
    if (!m_hDC) {
        // Made once, big enough for the largest square, and kept.
        const int side = huevane::kScale2x.size;
        m_hDC = ::CreateCompatibleDC(screen);
        m_hBitmap = m_hDC ? ::CreateCompatibleBitmap(screen, side, side) : nullptr;
        if (!m_hBitmap) {
            if (m_hDC) ::DeleteDC(std::exchange(m_hDC, nullptr));
            return false;
        }
        m_hOldBitmap = ::SelectObject(m_hDC, m_hBitmap);
    }
    if (m_nCopiesSinceScreens-- <= 0) {
        m_screens = {::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN),
                     ::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
        m_nCopiesSinceScreens = 1000 / static_cast<int>(huevane::kSamplePeriodMs);
    }
    m_source = source;
    // A copy that reaches past the screens' edge is not the same everywhere
    // (Wine gives black for all of it), so only the part on them is read.
    const std::optional<huevane::Rect> onScreens = huevane::Intersection(source, m_screens);
    if (onScreens != source) ::PatBlt(m_hDC, 0, 0, source.width, source.height, BLACKNESS);
    if (!onScreens) return true;
    return ::BitBlt(m_hDC, onScreens->left - source.left, onScreens->top - source.top, onScreens->width,
                    onScreens->height, screen, onScreens->left, onScreens->top, SRCCOPY) != FALSE;
}

huevane::COLORREF ScreenSquare::Pixel(huevane::Point point) const {
    if (!huevane::Intersection({point.x, point.y, 1, 1}, m_screens)) return huevane::kInvalidColour;
    return ::GetPixel(m_hDC, point.x - m_source.left, point.y - m_source.top);
}
