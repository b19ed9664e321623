// The floors that the program's process figures are set against: programs
// that do only what any picker must do, in the program's own window template
// (so the same controls, views and manifest), with a 25 ms timer.
#include "floors.h"

#include <string>

#include "box_placement.h"
#include "common_controls.h"
#include "floor.h"
#include "platform.h"
#include "resource.h"
#include "view_options.h"

namespace {

// Shows what changed, as a live picker must: the position and the colour as
// texts, the preview filled with a new colour, and the square stretched into
// the zoom view with a red cross-hair when the pointer or the colour moved
// (a floor: it does not look for changes elsewhere in the square).
struct Showing {
    Floor floor{huevane::kScale4x.size};
    HPEN pen = ::CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    POINT last{-1, -1};
    COLORREF lastColour = CLR_INVALID;

    void Tick(HWND window) {
        const POINT at = Floor::ReadPointer();
        floor.Read(at);
        const COLORREF colour = floor.Pixel(huevane::kScale4x.offset);
        if (at.x == last.x && at.y == last.y && colour == lastColour) return;
        if (at.x != last.x || at.y != last.y) {
            const std::string position = "X: " + std::to_string(at.x) + ", Y: " + std::to_string(at.y);
            ::SetDlgItemTextA(window, IDC_POSITION, position.c_str());
        }
        if (colour != lastColour) {
            const std::string text = std::to_string(GetRValue(colour)) + ", " +
                                     std::to_string(GetGValue(colour)) + ", " +
                                     std::to_string(GetBValue(colour));
            ::SetDlgItemTextA(window, IDC_LIVE_VALUE, text.c_str());
            Fill(::GetDlgItem(window, IDC_PREVIEW), colour);
        }
        Stretch(::GetDlgItem(window, IDC_ZOOM));
        last = at;
        lastColour = colour;
    }
    static void Fill(HWND view, COLORREF colour) {
        HDC dc = ::GetDC(view);
        RECT client{};
        ::GetClientRect(view, &client);
        ::SetBkColor(dc, colour);
        ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
        ::ReleaseDC(view, dc);
    }
    void Stretch(HWND view) const {
        HDC dc = ::GetDC(view);
        RECT client{};
        ::GetClientRect(view, &client);
        const int width = client.right - 2;
        ::SetStretchBltMode(dc, COLORONCOLOR);
        ::StretchBlt(dc, 1, 0, width, client.bottom, floor.Memory(), 0, 0, huevane::kScale4x.size,
                     huevane::kScale4x.size, SRCCOPY);
        const HGDIOBJ old = ::SelectObject(dc, pen);
        ::MoveToEx(dc, width / 2, 0, nullptr);
        ::LineTo(dc, width / 2, client.bottom);
        ::MoveToEx(dc, 1, client.bottom / 2, nullptr);
        ::LineTo(dc, 1 + width, client.bottom / 2);
        ::SelectObject(dc, old);
        ::ReleaseDC(view, dc);
    }
};

Showing* showing = nullptr;

// Both floors open as the program does: titled, centred on the primary
// monitor's work area, and with the 25 ms timer armed.
void OpenAsTheProgram(HWND window, const char* title) {
    ::SetWindowTextA(window, title);
    RECT box{}, work{};
    ::GetWindowRect(window, &box);
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const huevane::Rect area{work.left, work.top, work.right - work.left, work.bottom - work.top};
    const huevane::Point at = huevane::CentredOver(area, box.right - box.left, box.bottom - box.top, area);
    ::SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ::SetTimer(window, 1, huevane::kSamplePeriodMs, nullptr);
}

// Both floors end as the program does, when closed or on Esc.
bool AsksToEnd(UINT message, WPARAM wParam) {
    return message == WM_CLOSE || (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL);
}

INT_PTR EndOnClose(HWND window, UINT message, WPARAM wParam) {
    if (AsksToEnd(message, wParam)) ::EndDialog(window, 0);
    return message == WM_CLOSE || message == WM_COMMAND;
}

INT_PTR CALLBACK ShowingProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: OpenAsTheProgram(window, kShowingFloorTitle); return TRUE;
        case WM_TIMER: showing->Tick(window); return TRUE;
    }
    if (AsksToEnd(message, wParam)) ::PostQuitMessage(0);
    return message == WM_CLOSE || message == WM_COMMAND;
}

// Writes, at its first tick, one text: the start-up floor,
// timed as the program is, to its first live text.
INT_PTR CALLBACK FirstTextProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: OpenAsTheProgram(window, kFloorTitle); return TRUE;
        case WM_TIMER:
            ::KillTimer(window, 1);
            ::SetDlgItemTextA(window, IDC_LIVE_VALUE, "0, 0, 0");
            return TRUE;
    }
    return EndOnClose(window, message, wParam);
}

int RunTemplate(DLGPROC proc) {
    InitCommonControls();
    RegisterCommonControlClasses();
    ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PICKER_DIALOG), nullptr, proc, 0);
    return 0;
}

}  // namespace

// The program's own window: its template and menu from its executable,
// loaded as data, in a modeless dialog with the plainest message loop.
int ShowingFloor(const char* program) {
    InitCommonControls();
    RegisterCommonControlClasses();
    const HMODULE resources = ::LoadLibraryExA(program, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!resources) return 1;
    Showing floor;
    showing = &floor;
    HWND window =
        ::CreateDialogParamA(resources, MAKEINTRESOURCEA(IDD_PICKER_DIALOG), nullptr, &ShowingProc, 0);
    if (!window) return 1;
    ::SetMenu(window, ::LoadMenuA(resources, MAKEINTRESOURCEA(IDR_MENU)));
    ::ShowWindow(window, SW_SHOWNORMAL);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!::IsDialogMessageA(window, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    ::DestroyWindow(window);
    ::FreeLibrary(resources);
    return 0;
}

int StartUpFloor() { return RunTemplate(&FirstTextProc); }
