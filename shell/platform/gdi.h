// GDI wrappers.
//   CGdiObject<H>  owns one GDI object and deletes it; movable, not copyable
//   CPen, CBrush, CFont
//   CDC            a device context it does not own: drawing operations
//   CWindowDC      a window's device context from GetDC, released at scope end
//   CScreenDC      the whole screen's device context, released at scope end
//   CPaintDC       BeginPaint at construction, EndPaint at scope end
//   CSelectObject  an object selected into a DC, selected back at scope end
#pragma once

#include <windows.h>

#include "owned_handle.h"

template <class Handle>
class CGdiObject {
public:
    // Takes ownership of `object`, deleting the one held before.
    void Attach(Handle object) { m_object.Reset(object); }
    // Deletes the object held, if any.
    void DeleteObject() { m_object.Reset(); }
    Handle GetSafeHandle() const { return m_object.Get(); }
    operator Handle() const { return m_object.Get(); }

private:
    COwnedHandle<Handle, &::DeleteObject> m_object;
};

class CPen : public CGdiObject<HPEN> {};
class CBrush : public CGdiObject<HBRUSH> {};
class CFont : public CGdiObject<HFONT> {};

class CDC {
public:
    explicit CDC(HDC dc) : m_hDC(dc) {}
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

    void FillSolidRect(const RECT& rect, COLORREF colour);
    int SetStretchBltMode(int mode) { return ::SetStretchBltMode(m_hDC, mode); }
    void MoveTo(int x, int y) { ::MoveToEx(m_hDC, x, y, nullptr); }
    void LineTo(int x, int y) { ::LineTo(m_hDC, x, y); }
    COLORREF SetTextColor(COLORREF colour) { return ::SetTextColor(m_hDC, colour); }
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }

protected:
    HDC m_hDC;
};

class CWindowDC : public CDC {
public:
    explicit CWindowDC(HWND window) : CDC(::GetDC(window)), m_hWnd(window) {}
    ~CWindowDC() {
        if (m_hDC) ::ReleaseDC(m_hWnd, m_hDC);
    }

private:
    HWND m_hWnd;
};

class CScreenDC : public CDC {
public:
    CScreenDC() : CDC(::GetDCEx(nullptr, nullptr, 0)) {}
    ~CScreenDC() {
        if (m_hDC) ::ReleaseDC(nullptr, m_hDC);
    }
};

class CPaintDC : public CDC {
public:
    explicit CPaintDC(HWND window) : CDC(nullptr), m_hWnd(window) { m_hDC = ::BeginPaint(window, &m_ps); }
    ~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps{};
};

class CSelectObject {
public:
    CSelectObject(HDC dc, HGDIOBJ object) : m_hDC(dc), m_hOld(::SelectObject(dc, object)) {}
    ~CSelectObject() {
        if (m_hOld) ::SelectObject(m_hDC, m_hOld);
    }
    CSelectObject(const CSelectObject&) = delete;
    CSelectObject& operator=(const CSelectObject&) = delete;

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};
