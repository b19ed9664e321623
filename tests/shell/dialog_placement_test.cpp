// Where About and Help open: over the main window, and wholly on its screen
// wherever that window is parked.
#include <gtest/gtest.h>

#include <string>

#include "picker_window.h"
#include "windows_stand_ins.h"

namespace huevane_test {
namespace {

RECT WorkAreaOf(HWND window) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    ::GetMonitorInfoA(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
}

std::string Describe(const RECT& rect) {
    return "[" + std::to_string(rect.left) + " " + std::to_string(rect.top) + " " +
           std::to_string(rect.right) + " " + std::to_string(rect.bottom) + "]";
}

// The box that `command` opens, as it stood when it opened.
RECT OpenedBy(HWND window, UINT command) {
    RECT opened{};
    InNextDialog([&](HWND dialog) { opened = WindowRect(dialog); });
    Command(window, command);
    return opened;
}

constexpr UINT kBoxes[] = {ID_HELP_ABOUT, ID_HELP_HELP};

// Where the main window can be parked: the work area of its screen, and its
// own size.
struct Parking {
    RECT work;
    int width;
    int height;
};

Parking ParkingOf(HWND window) {
    const RECT picker = WindowRect(window);
    return {WorkAreaOf(window), picker.right - picker.left, picker.bottom - picker.top};
}

using DialogPlacement = PickerWindow;

TEST_F(DialogPlacement, OverTheMainWindowInTheMiddleTheBoxesOpenCentredOnIt) {
    Run([](HWND window, CPickerDlg&) {
        const auto [work, width, height] = ParkingOf(window);
        const int left = (work.left + work.right - width) / 2;
        const int top = (work.top + work.bottom - height) / 2;
        ::SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        for (const UINT command : kBoxes) {
            SCOPED_TRACE(::testing::Message() << "command " << command);
            const RECT box = OpenedBy(window, command);
            EXPECT_NEAR((box.left + box.right) / 2, left + width / 2, 1);
            EXPECT_NEAR((box.top + box.bottom) / 2, top + height / 2, 1);
        }
    });
}

// The main window half past a corner of its screen's work area: each box
// opens in that corner, flush with both edges (the rule of where it opens is
// the core's, tested there edge by edge).
TEST_F(DialogPlacement, WithTheMainWindowPastACornerTheBoxesOpenFlushInIt) {
    Run([](HWND window, CPickerDlg&) {
        const auto [work, width, height] = ParkingOf(window);
        for (const bool topLeft : {true, false}) {
            const POINT parked = topLeft ? POINT{work.left - width / 2, work.top - height / 2}
                                         : POINT{work.right - width / 2, work.bottom - height / 2};
            ::SetWindowPos(window, nullptr, parked.x, parked.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            for (const UINT command : kBoxes) {
                const RECT box = OpenedBy(window, command);
                const POINT corner = topLeft ? POINT{box.left, box.top} : POINT{box.right, box.bottom};
                const POINT expected = topLeft ? POINT{work.left, work.top} : POINT{work.right, work.bottom};
                EXPECT_TRUE(corner.x == expected.x && corner.y == expected.y)
                    << "command " << command << " opened at " << Describe(box) << " in " << Describe(work);
            }
        }
    });
}

// A change of scale resizes a box where it stands, as the system suggests;
// with the main window in the bottom right corner of its screen, a box that
// grows would reach past the edges. One that the user drags across to
// another screen stays under the pointer, where the system puts it.
TEST_F(DialogPlacement, AfterAChangeOfScaleTheBoxesAreStillWhollyOnTheirScreen) {
    const PerMonitorDialogs windows;
    Run([](HWND window, CPickerDlg&) {
        const auto [work, width, height] = ParkingOf(window);
        ::SetWindowPos(window, nullptr, work.right - width, work.bottom - height, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER);
        for (const UINT command : kBoxes) {
            bool opened = false;
            InNextDialog([&, work = work](HWND box) {
                opened = ::GetWindow(box, GW_OWNER) == window;
                for (const UINT dpi : {144u, 192u, 96u}) {
                    PerMonitorDialogs::ChangeScale(box, dpi);
                    EXPECT_TRUE(Inside(WindowRect(box), work))
                        << "command " << command << " at " << dpi << " DPI: " << Describe(WindowRect(box))
                        << ", outside " << Describe(work);
                }
                PerMonitorDialogs::ChangeScaleWhileDragged(box, 144, POINT{work.right - 50, work.top + 10});
                EXPECT_EQ(WindowRect(box).left, work.right - 50) << "command " << command << ", dragged";
            });
            Command(window, command);
            EXPECT_TRUE(opened) << "command " << command << " opened no box over the window";
        }
    });
}

}  // namespace
}  // namespace huevane_test
