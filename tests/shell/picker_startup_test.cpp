#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "main_template.h"
#include "menu_marks.h"
#include "picker_window.h"

namespace huevane_test {
namespace {

using PickerStartUp = PickerWindow;

// The texts as the window's initialisation leaves them, read as soon as it
// returns and so before any tick, whichever timer fires first.
struct TextsAtStart {
    bool seen = false;
    std::string position, live, value;
};
TextsAtStart textsAtStart;

LRESULT CALLBACK ReadTextsAtStart(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_INITDIALOG && ::GetDlgItem(call->hwnd, IDC_POSITION)) {
        textsAtStart = {true, WindowText(::GetDlgItem(call->hwnd, IDC_POSITION)),
                        WindowText(::GetDlgItem(call->hwnd, IDC_LIVE_VALUE)),
                        WindowText(::GetDlgItem(call->hwnd, IDC_VALUE_EDIT))};
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(PickerStartUp, ShowsTheStartStateBeforeTheFirstTick) {
    textsAtStart = {};
    HHOOK hook = ::SetWindowsHookExA(WH_CALLWNDPROCRET, &ReadTextsAtStart, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    // The start state itself is the rules'; the disabled buttons are seen
    // from outside the program. Here: that the window shows the state.
    Run([](HWND window, CPickerDlg&) {
        EXPECT_EQ(WindowText(window), "Huevane");
        EXPECT_EQ(ChildrenOf(window).controls.size(), static_cast<std::size_t>(kMainWindowControls));
        EXPECT_EQ(MenuMarks(window), "Enable Zoom, Hot Keys, Start, 4X");
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(window, IDC_HOTKEY)));

        HWND list = ::GetDlgItem(window, IDC_FORMAT);
        EXPECT_EQ(::SendMessageA(list, CB_GETCOUNT, 0, 0), 3);
        EXPECT_EQ(WindowText(list), "RGB");

        // Alt+C: 'C' in the low byte, Alt in the high byte.
        EXPECT_EQ(::SendMessageA(::GetDlgItem(window, IDC_HOTKEY), HKM_GETHOTKEY, 0, 0), 0x0443);
        EXPECT_FALSE(CombinationIsFree(MOD_ALT, 'C'));
    });
    ::UnhookWindowsHookEx(hook);
    ASSERT_TRUE(textsAtStart.seen);
    EXPECT_EQ(textsAtStart.position, "X:000,  Y:000");
    EXPECT_EQ(textsAtStart.live, "");
    EXPECT_EQ(textsAtStart.value, "");
}

TEST_F(PickerStartUp, EndsTheSystemMenuWithTheAboutEntry) {
    Run([](HWND window, CPickerDlg&) {
        HMENU system = ::GetSystemMenu(window, FALSE);
        const int count = ::GetMenuItemCount(system);
        ASSERT_GE(count, 2);
        EXPECT_EQ(::GetMenuState(system, static_cast<UINT>(count - 2), MF_BYPOSITION) & MF_SEPARATOR,
                  static_cast<UINT>(MF_SEPARATOR));
        EXPECT_EQ(::GetMenuItemID(system, count - 1), static_cast<UINT>(IDM_ABOUTBOX));
        char text[64] = {};
        ::GetMenuStringA(system, static_cast<UINT>(count - 1), text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, "&About Huevane...");
    });
}

// The rules' table of the menu's items, checked against the real menu once:
// each item where the table puts it, holding its command, and no other item.
TEST_F(PickerStartUp, HasTheMenuBarOfTheRulesTable) {
    Run([](HWND window, CPickerDlg&) {
        HMENU bar = ::GetMenu(window);
        std::vector<int> itemsOfPopup(static_cast<std::size_t>(::GetMenuItemCount(bar)), 0);
        ASSERT_EQ(itemsOfPopup.size(), 4u);
        for (std::size_t i = 0; i < huevane::kMenuItems.size(); ++i) {
            const huevane::MenuItem& item = huevane::kMenuItems[i];
            ASSERT_LT(static_cast<std::size_t>(item.popup), itemsOfPopup.size());
            ++itemsOfPopup[static_cast<std::size_t>(item.popup)];
            EXPECT_EQ(::GetMenuItemID(::GetSubMenu(bar, item.popup), item.item), kMenuCommands[i])
                << "item " << item.item << " of popup " << item.popup;
        }
        for (std::size_t popup = 0; popup < itemsOfPopup.size(); ++popup) {
            EXPECT_EQ(::GetMenuItemCount(::GetSubMenu(bar, static_cast<int>(popup))), itemsOfPopup[popup])
                << "popup " << popup;
        }
    });
}

// Every entry of the map can be reached: no entry shadows another, and each
// command it names is one that the menu bar or a control of the window sends.
TEST_F(PickerStartUp, EveryMessageMapEntryCanBeReached) {
    Run([](HWND window, CPickerDlg&) {
        const MessageMap* map = CPickerDlg::GetThisMessageMap();
        EXPECT_EQ(map->base(), CDialog::GetThisMessageMap());
        std::set<std::tuple<UINT, UINT, UINT>> seen;
        std::size_t count = 0;
        for (const MessageMapEntry* entry = map->entries; entry->handler; ++entry, ++count) {
            SCOPED_TRACE(::testing::Message() << "entry " << count + 1);
            EXPECT_TRUE(seen.insert({entry->message, entry->code, entry->id}).second)
                << "shadowed by an earlier one";
            if (entry->message != WM_COMMAND) continue;
            const bool menuCommand = ::GetMenuState(::GetMenu(window), entry->id, MF_BYCOMMAND) != 0xFFFFFFFF;
            const bool control = ::GetDlgItem(window, static_cast<int>(entry->id)) != nullptr;
            // Buttons notify with code 0 (BN_CLICKED) as menu commands do.
            EXPECT_TRUE(entry->code == 0 ? menuCommand || control : control)
                << "no sender of command " << entry->id;
        }
        EXPECT_EQ(count, 24u);
    });
}

TEST_F(PickerStartUp, ReleasesTheHotKeyAndEndsOnEveryWayOfClosing) {
    const std::pair<UINT, WPARAM> closers[] = {
        {WM_CLOSE, 0}, {WM_SYSCOMMAND, SC_CLOSE}, {WM_COMMAND, IDOK}, {WM_COMMAND, IDCANCEL}};
    for (auto [message, wParam] : closers) {
        HWND closed = nullptr;
        Run([&](HWND window, CPickerDlg&) {
            closed = window;
            ::SendMessageA(window, message, wParam, 0);
        });
        EXPECT_FALSE(::IsWindow(closed)) << "message " << message;
        EXPECT_TRUE(CombinationIsFree(MOD_ALT, 'C')) << "message " << message;
    }
}

// What the window still holds when its own destruction runs: a menu left on
// it would be freed by the platform after the dialog freed it already.
struct Destruction {
    HWND window = nullptr;
    HMENU menuAtNcDestroy = nullptr;
    bool seen = false;
};
Destruction destruction;

LRESULT CALLBACK WatchDestruction(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->hwnd == destruction.window && call->message == WM_NCDESTROY) {
        destruction.menuAtNcDestroy = ::GetMenu(call->hwnd);
        destruction.seen = true;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(PickerStartUp, DestroysItsMenuOnceHavingTakenItOffTheWindow) {
    HMENU menu = nullptr;
    HHOOK hook = ::SetWindowsHookExA(WH_CALLWNDPROC, &WatchDestruction, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    destruction = {};
    Run([&](HWND window, CPickerDlg&) {
        destruction.window = window;
        menu = ::GetMenu(window);
    });
    ::UnhookWindowsHookEx(hook);
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(destruction.seen);
    EXPECT_EQ(destruction.menuAtNcDestroy, nullptr);
    EXPECT_FALSE(::IsMenu(menu));
}

}  // namespace
}  // namespace huevane_test
