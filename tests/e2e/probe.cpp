// What a person sees on the screen, read from outside the program: the main
// window's texts and enabled buttons, where a control is, a screen pixel; and
// a scene of known colours to point at. Reads only what any other program can
// read of a window, by its messages. Every action prints one line, what it
// did or why it could not; a read prints what it found (the per-window reads,
// a line for each main window that has what they read).
//
//   probe texts              position, live value, edit box, enabled buttons, topmost
//   probe where ID           the screen centre of the control with that identifier
//   probe rect ID            the control's client area on the screen
//   probe menu N             the screen centre of the menu bar's item N, from 0
//   probe popup I COUNT      the screen centre of item I of the open popup menu
//   probe pixel X Y          the screen pixel's colour as RRGGBB
//   probe screens            the bounds of all monitors together: left top width height
//   probe windows            how many main windows are open
//   probe machine            what the main window's process runs as: x86 or x64
//   probe menu-open          1 while a popup menu is open, else 0
//   probe hotkey-free MOD VK 1 when no program holds that global hot key, else 0
//   probe enabled-all        each main window's numbered buttons and hot key
//                            control, 1 for enabled
//   probe notice             the text of the message box over a main window
//   probe move X Y           moves the main window's top left corner to X, Y; prints moved
//   probe command ID         carries out the menu command ID in the main window; prints done
//   probe idle-periods N     waits until the main window's thread has answered
//                            a sent message after each of N sampling periods;
//                            prints N
//   probe box COMMAND        sends the menu command that opens a box and prints
//                            where the box opened: left top right bottom; closes it
//   probe hotkey             posts the hot key's message to the main window; prints posted
//   probe forge              posts what another program could forge (below); prints
//                            whether the clipboard changed, the edit box's text,
//                            how many boxes the main window holds open and whether
//                            the picker wrote into the buffer of each menu's loop
//   probe accessible ID      the control's name, role and value for assistive
//                            technology: name|role|value
//   probe interfaces ID      the system's interfaces that the control's object gives
//   probe name-changes       a line "ID client" or "ID window" for each change of
//                            a control's name, until killed
//   probe scene X Y W H RRGGBB...   coloured blocks in a row until killed
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "accessible_reads.h"
#include "hot_key_binding.h"
#include "resource.h"
#include "view_options.h"
#include "window_reads.h"

namespace {

using huevane_test::kPatienceMs;
using huevane_test::ScreenPixel;
using huevane_test::WindowText;

// What a verb prints when it cannot do its work; its exit status is 1.
int Failed(const char* why) {
    std::printf("failed: %s\n", why);
    return 1;
}

// The first main window: its boxes, which it owns, may have the same title.
HWND MainWindow() {
    HWND main = nullptr;
    while ((main = ::FindWindowExA(nullptr, main, "#32770", "Huevane")) && ::GetWindow(main, GW_OWNER)) {
    }
    return main;
}

// The main window's control with that identifier, or none.
HWND MainControl(int id) {
    HWND main = MainWindow();
    return main ? ::GetDlgItem(main, id) : nullptr;
}

int Texts() {
    HWND main = MainWindow();
    if (!main) return Failed("no main window");
    std::printf("position=%s\n", WindowText(::GetDlgItem(main, IDC_POSITION)).c_str());
    std::printf("live=%s\n", WindowText(::GetDlgItem(main, IDC_LIVE_VALUE)).c_str());
    std::printf("edit=%s\n", WindowText(::GetDlgItem(main, IDC_VALUE_EDIT)).c_str());
    std::printf("enabled=");
    for (int id : {IDC_SLOT1, IDC_SLOT2, IDC_SLOT3, IDC_SLOT4, IDC_SLOT5, IDC_COPY}) {
        std::printf("%d", ::IsWindowEnabled(::GetDlgItem(main, id)) ? 1 : 0);
    }
    std::printf("\ntopmost=%d\n", (::GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST) ? 1 : 0);
    return 0;
}

// The control's client area on the screen: left top right bottom.
int ClientRect(int id) {
    HWND control = MainControl(id);
    if (!control) return Failed("no such control");
    RECT rect{};
    ::GetClientRect(control, &rect);
    ::MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
    return 0;
}

int Where(int id) {
    HWND control = MainControl(id);
    if (!control) return Failed("no such control");
    RECT rect{};
    ::GetWindowRect(control, &rect);
    std::printf("%ld %ld\n", (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    return 0;
}

// Where the menu bar's item N is drawn. A menu of another process cannot be
// read, so the bar is laid out as the platform lays it out: from the client
// area's left edge, each item its text's width in the menu font with 7
// pixels on either side, in the band just above the client area.
int MenuItem(int item) {
    HWND main = MainWindow();
    if (!main) return Failed("no main window");
    POINT origin{0, 0};
    ::ClientToScreen(main, &origin);
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    HFONT font = ::CreateFontIndirectA(&metrics.lfMenuFont);
    HDC screen = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(screen, font);
    const char* labels[] = {"Options", "Help", "Timer", "Scale"};
    constexpr int kPadding = 7;
    int left = origin.x;
    SIZE size{};
    for (int i = 0; i <= item && i < 4; ++i) {
        ::GetTextExtentPoint32A(screen, labels[i], static_cast<int>(std::strlen(labels[i])), &size);
        if (i < item) left += size.cx + 2 * kPadding;
    }
    ::SelectObject(screen, old);
    ::ReleaseDC(nullptr, screen);
    ::DeleteObject(font);
    std::printf("%ld %ld\n", left + kPadding + size.cx / 2, origin.y - ::GetSystemMetrics(SM_CYMENU) / 2);
    return 0;
}

// Where item I of COUNT is drawn in the open popup menu: its items share its
// height evenly inside a 3-pixel border.
int PopupItem(int item, int count) {
    HWND popup = ::FindWindowA("#32768", nullptr);
    if (!popup || !::IsWindowVisible(popup) || count <= 0) return Failed("no popup menu open");
    RECT rect{};
    ::GetWindowRect(popup, &rect);
    const int height = rect.bottom - rect.top - 6;
    std::printf("%ld %ld\n", (rect.left + rect.right) / 2,
                rect.top + 3 + height * (2 * item + 1) / (2 * count));
    return 0;
}

// A hot key that another program holds cannot be registered again.
int HotKeyFree(UINT modifiers, UINT virtualKey) {
    const bool free = ::RegisterHotKey(nullptr, 1, modifiers, virtualKey) != FALSE;
    if (free) ::UnregisterHotKey(nullptr, 1);
    std::printf("%d\n", free ? 1 : 0);
    return 0;
}

int MenuOpen() {
    HWND popup = ::FindWindowA("#32768", nullptr);
    std::printf("%d\n", popup && ::IsWindowVisible(popup) ? 1 : 0);
    return 0;
}

int Move(int x, int y) {
    HWND main = MainWindow();
    if (!main) return Failed("no main window");
    if (!::SetWindowPos(main, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE)) {
        return Failed("the main window did not move");
    }
    std::printf("moved\n");
    return 0;
}

// The box that the main window holds open, if any: a dialog window that it
// owns.
struct OwnedBox {
    HWND owner;
    HWND box;
};

BOOL CALLBACK FindOwnedBox(HWND window, LPARAM found) {
    auto* search = reinterpret_cast<OwnedBox*>(found);
    char className[16] = {};
    ::GetClassNameA(window, className, sizeof className);
    if (std::string(className) != "#32770" || ::GetWindow(window, GW_OWNER) != search->owner ||
        !::IsWindowVisible(window)) {
        return TRUE;
    }
    search->box = window;
    return FALSE;
}

// Waits for `done` as long as a busy machine may need to open or close a
// window.
template <typename Done>
bool WaitFor(Done done) {
    for (DWORD waited = 0; waited < kPatienceMs; waited += 50) {
        if (done()) return true;
        ::Sleep(50);
    }
    return false;
}

// Sent, not posted: the command has been carried out when the probe ends.
// (About and Help, which stay open, are the box verb's.)
int Command(UINT command) {
    HWND main = MainWindow();
    if (!main) return Failed("no main window");
    ::SendMessageA(main, WM_COMMAND, command, 0);
    std::printf("done\n");
    return 0;
}

// A thread that answers a sent message is back in its message loop, and has
// handled what was posted to it before the previous one. The answers show
// neither that a timer ran nor that the display's input has reached it.
int IdlePeriods(int periods) {
    HWND main = MainWindow();
    for (int i = 0; i < periods; ++i) {
        ::Sleep(huevane::kSamplePeriodMs);
        DWORD_PTR answer = 0;
        if (!main || !::SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_NORMAL, kPatienceMs, &answer)) {
            return Failed("the main window did not answer");
        }
    }
    std::printf("%d\n", periods);
    return 0;
}

int Box(UINT command) {
    HWND main = MainWindow();
    if (!main) return Failed("no main window");
    OwnedBox search{main, nullptr};
    ::PostMessageA(main, WM_COMMAND, command, 0);
    if (!WaitFor([&] { return !::EnumWindows(&FindOwnedBox, reinterpret_cast<LPARAM>(&search)); })) {
        return Failed("no box opened");
    }
    RECT rect{};
    ::GetWindowRect(search.box, &rect);
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
    std::fflush(stdout);
    ::PostMessageA(search.box, WM_COMMAND, IDCANCEL, 0);
    return WaitFor([&] { return !::IsWindow(search.box); }) ? 0 : 1;
}

BOOL CALLBACK CountOwnedBoxes(HWND window, LPARAM found) {
    auto* search = reinterpret_cast<std::pair<HWND, int>*>(found);
    OwnedBox box{search->first, nullptr};
    if (!FindOwnedBox(window, reinterpret_cast<LPARAM>(&box))) ++search->second;
    return TRUE;
}

// What any program on the desktop can post to the main window: garbage where
// a message carries a pointer, and the address of a buffer that it placed
// inside the picker in the menu bar's loop, which the window is told has
// ended, and in that of the value box's context menu, which belongs to the
// edit control, each loop then cancelled; button 1 and Copy while they are
// disabled, and the commands that open About and Help, many times over.
// Then the hot key, whose capture enables button 1 once everything posted
// before it has been handled.
int Forge() {
    HWND main = MainWindow();
    if (!main) return Failed("no main window");
    const DWORD clipboard = ::GetClipboardSequenceNumber();
    DWORD id = 0;
    ::GetWindowThreadProcessId(main, &id);
    HANDLE process = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
    const SIZE planted[2] = {{-1, -1}, {-1, -1}};
    auto* buffer = static_cast<SIZE*>(
        ::VirtualAllocEx(process, nullptr, sizeof planted, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (!buffer || !::WriteProcessMemory(process, buffer, planted, sizeof planted, nullptr)) {
        return Failed("no buffer inside the picker");
    }
    HWND edit = ::GetDlgItem(main, IDC_VALUE_EDIT);
    ::PostMessageA(main, WM_SYSCOMMAND, SC_KEYMENU, 0);
    ::PostMessageA(main, WM_EXITMENULOOP, FALSE, 0);
    ::PostMessageA(main, WM_GETDPISCALEDSIZE, 144, reinterpret_cast<LPARAM>(&buffer[0]));
    ::PostMessageA(main, WM_CANCELMODE, 0, 0);
    ::PostMessageA(edit, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit), MAKELPARAM(-1, -1));
    ::PostMessageA(main, WM_GETDPISCALEDSIZE, 144, reinterpret_cast<LPARAM>(&buffer[1]));
    ::PostMessageA(edit, WM_CANCELMODE, 0, 0);
    constexpr LPARAM kGarbage = 0x10;
    ::PostMessageA(main, WM_GETDPISCALEDSIZE, 144, kGarbage);
    ::PostMessageA(main, WM_DPICHANGED, MAKEWPARAM(144, 144), kGarbage);
    ::PostMessageA(main, WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE, kGarbage);
    ::PostMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_SLOT1, BN_CLICKED), 0);
    ::PostMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_COPY, BN_CLICKED), 0);
    for (int i = 0; i < 100; ++i) {
        ::PostMessageA(main, WM_COMMAND, ID_HELP_ABOUT, 0);
        ::PostMessageA(main, WM_COMMAND, ID_HELP_HELP, 0);
        ::PostMessageA(main, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    }
    ::PostMessageA(main, WM_HOTKEY, huevane::HOTKEY_ID, 0);
    if (!WaitFor([&] { return !::IsWindow(main) || ::IsWindowEnabled(::GetDlgItem(main, IDC_SLOT1)); }) ||
        !::IsWindow(main)) {
        return Failed("the main window did not capture after the forgeries");
    }
    std::pair<HWND, int> boxes{main, 0};
    ::EnumWindows(&CountOwnedBoxes, reinterpret_cast<LPARAM>(&boxes));
    std::printf("clipboard %s\n", ::GetClipboardSequenceNumber() == clipboard ? "untouched" : "written");
    std::printf("edit=%s\nboxes=%d\n", WindowText(::GetDlgItem(main, IDC_VALUE_EDIT)).c_str(), boxes.second);
    SIZE found[2] = {};
    ::ReadProcessMemory(process, buffer, found, sizeof found, nullptr);
    for (int i = 0; i < 2; ++i)
        std::printf("%s\n", found[i].cx == -1 && found[i].cy == -1 ? "untouched" : "written");
    return 0;
}

int PostHotKey() {
    HWND main = MainWindow();
    if (!main || !::PostMessageA(main, WM_HOTKEY, huevane::HOTKEY_ID, 0)) return Failed("no main window");
    std::printf("posted\n");
    return 0;
}

// A 32-bit process on a 64-bit system runs under WoW64; this probe, built for
// either, asks the system rather than its own kind.
int Machine() {
    HWND main = MainWindow();
    if (!main) return Failed("no main window");
    DWORD id = 0;
    ::GetWindowThreadProcessId(main, &id);
    HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
    if (!process) return Failed("the process cannot be asked");
    BOOL targetWow64 = FALSE;
    BOOL selfWow64 = FALSE;
    const bool known =
        ::IsWow64Process(process, &targetWow64) && ::IsWow64Process(::GetCurrentProcess(), &selfWow64);
    ::CloseHandle(process);
    if (!known) return Failed("the process cannot be asked");
    const bool system64 = sizeof(void*) == 8 || selfWow64;
    std::printf("%s\n", system64 && !targetWow64 ? "x64" : "x86");
    return 0;
}

int Pixel(int x, int y) {
    const COLORREF colour = ScreenPixel(x, y);
    std::printf("%02X%02X%02X\n", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return 0;
}

int Screens() {
    std::printf("%d %d %d %d\n", ::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN),
                ::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN));
    return 0;
}

// Whether a top-level window is one of the program's main windows.
bool IsMainWindow(HWND window) {
    char className[16] = {};
    ::GetClassNameA(window, className, sizeof className);
    return std::string(className) == "#32770" && WindowText(window) == "Huevane" &&
           !::GetWindow(window, GW_OWNER);
}

BOOL CALLBACK CountMain(HWND window, LPARAM count) {
    if (IsMainWindow(window)) ++*reinterpret_cast<int*>(count);
    return TRUE;
}

int Windows() {
    int count = 0;
    ::EnumWindows(&CountMain, reinterpret_cast<LPARAM>(&count));
    std::printf("%d\n", count);
    return 0;
}

// The numbered buttons' and the hot key control's enabled states of every
// main window, one line each.
BOOL CALLBACK PrintEnabled(HWND window, LPARAM) {
    if (!IsMainWindow(window)) return TRUE;
    for (int id : {IDC_SLOT1, IDC_SLOT2, IDC_SLOT3, IDC_SLOT4, IDC_SLOT5, IDC_HOTKEY}) {
        std::printf("%d", ::IsWindowEnabled(::GetDlgItem(window, id)) ? 1 : 0);
    }
    std::printf("\n");
    return TRUE;
}

// The text of each message box that a main window holds open, by the box's
// own identifier of its text.
BOOL CALLBACK PrintNotice(HWND window, LPARAM) {
    OwnedBox search{window, nullptr};
    if (IsMainWindow(window) && !::EnumWindows(&FindOwnedBox, reinterpret_cast<LPARAM>(&search))) {
        std::printf("%s\n", WindowText(::GetDlgItem(search.box, 0xFFFF)).c_str());
    }
    return TRUE;
}

int Scene(int x, int y, int width, int height, const std::vector<COLORREF>& colours) {
    const int each = width / static_cast<int>(colours.size());
    for (std::size_t i = 0; i < colours.size(); ++i) {
        char className[32];
        std::snprintf(className, sizeof className, "HuevaneProbeScene%zu", i);
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = ::DefWindowProcA;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.hbrBackground = ::CreateSolidBrush(colours[i]);
        windowClass.lpszClassName = className;
        ::RegisterClassA(&windowClass);
        if (!::CreateWindowExA(WS_EX_TOOLWINDOW, className, "scene", WS_POPUP | WS_VISIBLE,
                               x + each * static_cast<int>(i), y, each, height, nullptr, nullptr,
                               windowClass.hInstance, nullptr)) {
            return 1;
        }
    }
    std::printf("scene shown\n");
    std::fflush(stdout);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) ::DispatchMessageA(&msg);
    return 0;
}

COLORREF ParseColour(const char* text) {
    const unsigned long rgb = std::strtoul(text, nullptr, 16);
    return RGB(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string verb = argc > 1 ? argv[1] : "";
    if (verb == "texts") return Texts();
    if (verb == "where" && argc == 3) return Where(std::atoi(argv[2]));
    if (verb == "rect" && argc == 3) return ClientRect(std::atoi(argv[2]));
    if (verb == "menu" && argc == 3) return MenuItem(std::atoi(argv[2]));
    if (verb == "popup" && argc == 4) return PopupItem(std::atoi(argv[2]), std::atoi(argv[3]));
    if (verb == "screens") return Screens();
    if (verb == "machine") return Machine();
    if (verb == "menu-open") return MenuOpen();
    if (verb == "hotkey-free" && argc == 4) {
        return HotKeyFree(static_cast<UINT>(std::atoi(argv[2])), static_cast<UINT>(std::atoi(argv[3])));
    }
    if (verb == "pixel" && argc == 4) return Pixel(std::atoi(argv[2]), std::atoi(argv[3]));
    if (verb == "windows") return Windows();
    if (verb == "enabled-all") return ::EnumWindows(&PrintEnabled, 0) ? 0 : 1;
    if (verb == "notice") return ::EnumWindows(&PrintNotice, 0) ? 0 : 1;
    if (verb == "move" && argc == 4) return Move(std::atoi(argv[2]), std::atoi(argv[3]));
    if (verb == "command" && argc == 3) return Command(static_cast<UINT>(std::atoi(argv[2])));
    if (verb == "idle-periods" && argc == 3) return IdlePeriods(std::atoi(argv[2]));
    if (verb == "box" && argc == 3) return Box(static_cast<UINT>(std::atoi(argv[2])));
    if (verb == "hotkey") return PostHotKey();
    if (verb == "forge") return Forge();
    if (verb == "accessible" && argc == 3) return AccessibleControl(MainWindow(), std::atoi(argv[2]));
    if (verb == "interfaces" && argc == 3) return SystemInterfaces(MainWindow(), std::atoi(argv[2]));
    if (verb == "name-changes") return NameChanges(MainWindow());
    if (verb == "scene" && argc > 6) {
        std::vector<COLORREF> colours;
        for (int i = 6; i < argc; ++i) colours.push_back(ParseColour(argv[i]));
        return Scene(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), colours);
    }
    std::fprintf(stderr, "usage: probe texts | where ID | pixel X Y | windows | scene X Y W H RRGGBB...\n");
    return 2;
}
