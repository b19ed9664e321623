#include "gdi.h"

void CDC::FillSolidRect(const RECT& rect, COLORREF colour) {
    // An opaque text-out of nothing fills the rectangle without a brush.
    const COLORREF old = ::SetBkColor(m_hDC, colour);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}
