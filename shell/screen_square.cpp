#include "screen_square.h"

// Made once, big enough for the largest square, and kept. Its pixels are in
// memory that the program reads directly.
bool ScreenSquare::MakeBitmap(HDC screen) {
    COwnedHandle<HDC, &::DeleteDC> dc(::CreateCompatibleDC(screen));
    if (!dc.Get()) return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kSide;
    info.bmiHeader.biHeight = -kSide;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    COwnedHandle<HBITMAP, &::DeleteObject> bitmap(
        ::CreateDIBSection(dc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap.Get()) return false;
    m_dc = std::move(dc);
    m_bitmap = std::move(bitmap);
    m_selected.emplace(m_dc.Get(), m_bitmap.Get());
    m_pBits = static_cast<const std::uint32_t*>(bits);
    return true;
}

ScreenSquare::Copied ScreenSquare::Copy(HDC screen, const huevane::Rect& square,
                                        const std::optional<huevane::Rect>& part) {
    if (!m_dc.Get() && !MakeBitmap(screen)) return Copied::Not;
    if (part != square) ::PatBlt(m_dc.Get(), 0, 0, square.width, square.height, BLACKNESS);
    if (part && !::BitBlt(m_dc.Get(), part->left - square.left, part->top - square.top, part->width,
                          part->height, screen, part->left, part->top, SRCCOPY)) {
        return Copied::Not;
    }
    ::GdiFlush();

    bool same = square.width == m_nWidth;
    m_nWidth = square.width;
    for (int row = 0; row < square.height; ++row) {
        const std::uint32_t* now = m_pBits + row * kSide;
        std::uint32_t* before = m_before.data() + row * kSide;
        same = same && std::equal(now, now + square.width, before);
        std::copy(now, now + square.width, before);
    }
    return same ? Copied::Unchanged : Copied::Changed;
}

huevane::COLORREF ScreenSquare::Pixel(huevane::Point inSquare) const {
    const std::uint32_t rgb = m_pBits[inSquare.y * kSide + inSquare.x];
    return huevane::MakeColor(rgb >> 16 & 0xFFu, rgb >> 8 & 0xFFu, rgb & 0xFFu);
}
