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
    m_bOnScreen = huevane::Contains(m_screens, source);
    return ::BitBlt(m_hDC, 0, 0, source.width, source.height, screen, source.left, source.top, SRCCOPY) !=
           FALSE;
}
