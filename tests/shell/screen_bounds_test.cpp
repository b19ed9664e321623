// The screens' bounds are asked for when the window opens and again when the
// display changes, and at no tick in between. The test stands in for a
// display change by answering the window's GetSystemMetrics itself, through
// this program's own import of it.
#include <gtest/gtest.h>

#include <cstring>

#include "picker_window.h"
#include "scene.h"

namespace huevane_test {
namespace {

constexpr COLORREF kLeft = RGB(10, 200, 30);
constexpr COLORREF kRight = RGB(40, 50, 220);

// Screens that end at x = 200: what lies right of it is on no screen.
int WINAPI NarrowScreens(int index) {
    switch (index) {
        case SM_XVIRTUALSCREEN:
        case SM_YVIRTUALSCREEN: return 0;
        case SM_CXVIRTUALSCREEN: return 200;
        case SM_CYVIRTUALSCREEN: return 1024;
        default: return ::GetSystemMetrics(index);
    }
}

// Points this program's import of user32's GetSystemMetrics at `stand-in`
// while it lives.
class SystemMetricsStandIn {
public:
    explicit SystemMetricsStandIn(int(WINAPI* standIn)(int)) {
        auto* base = reinterpret_cast<BYTE*>(::GetModuleHandleA(nullptr));
        const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
        const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
        const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        const FARPROC real = ::GetProcAddress(::GetModuleHandleA("user32.dll"), "GetSystemMetrics");
        for (auto* library = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
             library->Name; ++library) {
            if (::lstrcmpiA(reinterpret_cast<const char*>(base + library->Name), "user32.dll") != 0) continue;
            for (auto* thunk = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->FirstThunk);
                 thunk->u1.Function; ++thunk) {
                if (reinterpret_cast<FARPROC>(thunk->u1.Function) == real) m_entry = &thunk->u1.Function;
            }
        }
        if (!m_entry) return;
        m_real = *m_entry;
        Write(reinterpret_cast<decltype(m_real)>(standIn));
    }
    ~SystemMetricsStandIn() {
        if (m_entry) Write(m_real);
    }
    SystemMetricsStandIn(const SystemMetricsStandIn&) = delete;
    SystemMetricsStandIn& operator=(const SystemMetricsStandIn&) = delete;

    bool Active() const { return m_entry != nullptr; }

private:
    using Entry = decltype(IMAGE_THUNK_DATA::u1.Function);
    void Write(Entry value) {
        DWORD old = 0;
        ::VirtualProtect(m_entry, sizeof *m_entry, PAGE_READWRITE, &old);
        *m_entry = value;
        ::VirtualProtect(m_entry, sizeof *m_entry, old, &old);
    }

    Entry* m_entry = nullptr;
    Entry m_real = 0;
};

COLORREF ZoomPixelRightOfThePointer(HWND window) {
    HWND zoom = ::GetDlgItem(window, IDC_ZOOM);
    RECT client{};
    ::GetClientRect(zoom, &client);
    // Three quarters across, a quarter down: right of the pointer's column,
    // off the cross-hair.
    return ClientPixel(zoom, client.right * 3 / 4, client.bottom / 4);
}

using ScreenBounds = PickerWindow;

TEST_F(ScreenBounds, AreAskedForAgainWhenTheDisplayChangesAndOnlyThen) {
    Scene scene({100, 100, 300, 300}, 150, kLeft, kRight);
    Run([](HWND window, CPickerDlg& dlg) {
        Command(window, ID_TIMER_STOP);
        const huevane::Rect atStart = dlg.ScreenBounds();
        EXPECT_EQ(atStart.width, ::GetSystemMetrics(SM_CXVIRTUALSCREEN));
        ::SetCursorPos(199, 150);

        SystemMetricsStandIn narrow(&NarrowScreens);
        ASSERT_TRUE(narrow.Active()) << "no import of GetSystemMetrics to stand in for";
        // Ticks until the view shows the scene (the window's first showing,
        // when X has mapped it, blanks what was drawn before).
        EXPECT_TRUE(PumpUntil([&] {
            SendTick(window);
            return ZoomPixelRightOfThePointer(window) == kRight;
        })) << "the view never showed the screen right of the pointer";
        EXPECT_EQ(dlg.ScreenBounds(), atStart) << "a tick asked for the bounds";

        ::SendMessageA(window, WM_DISPLAYCHANGE, 24, MAKELPARAM(200, 1024));
        EXPECT_EQ(dlg.ScreenBounds(), (huevane::Rect{0, 0, 200, 1024}));
        ::SetCursorPos(199, 151);
        SendTick(window);
        EXPECT_EQ(Eventually(RGB(0, 0, 0), [&] { return ZoomPixelRightOfThePointer(window); }), RGB(0, 0, 0))
            << "the next tick read beyond the new bounds";
        EXPECT_EQ(dlg.State().m_crCurrent, kRight) << "the pointer's own pixel is still on the screens";
    });
}

}  // namespace
}  // namespace huevane_test
