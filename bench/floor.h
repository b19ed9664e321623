// The floor of a tick: what any picker must do each tick, read the pointer
// and then the screen once.
#pragma once

#include <windows.h>

#include "view_options.h"

// The screen read: with zoom on, the source square copied from the screen
// into memory; with zoom off, the one pixel.
class Floor {
public:
    Floor(const Floor&) = delete;
    Floor& operator=(const Floor&) = delete;
    explicit Floor(int side) : side_(side) {
        HDC screen = ::GetDC(nullptr);
        memory_ = ::CreateCompatibleDC(screen);
        bitmap_ = ::CreateCompatibleBitmap(screen, huevane::kLargestZoomSize, huevane::kLargestZoomSize);
        old_ = ::SelectObject(memory_, bitmap_);
        ::ReleaseDC(nullptr, screen);
    }
    ~Floor() {
        ::SelectObject(memory_, old_);
        ::DeleteObject(bitmap_);
        ::DeleteDC(memory_);
    }
    static POINT ReadPointer() {
        POINT at{0, 0};
        ::GetCursorPos(&at);
        return at;
    }
    void Read(POINT at) const {
        HDC screen = ::GetDCEx(nullptr, nullptr, 0);
        if (side_) {
            ::BitBlt(memory_, 0, 0, side_, side_, screen, at.x - side_ / 2, at.y - side_ / 2, SRCCOPY);
        } else {
            ::GetPixel(screen, at.x, at.y);
        }
        ::ReleaseDC(nullptr, screen);
    }

    // The copy of the last square read, and its pixel at (at, at).
    HDC Memory() const { return memory_; }
    COLORREF Pixel(int at) const { return ::GetPixel(memory_, at, at); }

private:
    int side_;
    HDC memory_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};
