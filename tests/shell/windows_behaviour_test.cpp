// What the program meets on Windows and not under Wine, through the test
// harness's stand-ins for it: a held hot key, the secure desktop, the common
// controls' classes registered on request, the first show as a shortcut asks,
// UI Automation's notifications.
#include <gtest/gtest.h>
#include <shlwapi.h>
#include <windows.h>

#include <oleacc.h>
#include <servprov.h>
#include <uiautomationclient.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "main_template.h"
#include "picker_window.h"
#include "scene.h"
#include "windows_stand_ins.h"

namespace huevane_test {
namespace {

using OnWindows = PickerWindow;

constexpr int kHotKey = static_cast<int>(huevane::HOTKEY_ID);

// Each way the hot key is registered, start-up, '<' and Hot Keys off and on,
// registers it so that holding the combination down captures once.
TEST_F(OnWindows, AHeldHotKeyCapturesOnceWhicheverWayItWasRegistered) {
    const HotKeyAutoRepeat keyboard;
    Run([&](HWND window, CPickerDlg&) {
        keyboard.Hold(window, kHotKey, 30);
        EXPECT_EQ(EnabledSlotButtons(window), 1) << "after start-up";
        keyboard.Hold(window, kHotKey, 0);
        EXPECT_EQ(EnabledSlotButtons(window), 2) << "a second press captures again";

        ::SendDlgItemMessageA(window, IDC_HOTKEY, HKM_SETHOTKEY, MAKEWORD(VK_F5, HOTKEYF_SHIFT), 0);
        Click(window, IDC_SET_HOTKEY);
        keyboard.Hold(window, kHotKey, 30);
        EXPECT_EQ(EnabledSlotButtons(window), 3) << "after '<'";

        Command(window, ID_OPTIONS_HOTKEYS);
        Command(window, ID_OPTIONS_HOTKEYS);
        keyboard.Hold(window, kHotKey, 30);
        EXPECT_EQ(EnabledSlotButtons(window), 4) << "after Hot Keys off and on";
    });
}

// Started from a shortcut set to "Run: Minimized", the window opens minimised
// and stays so: nothing restores it or takes the activation.
TEST_F(OnWindows, FromAShortcutSetToRunMinimisedItOpensMinimised) {
    const FirstShowFromStartUpInfo shortcut(SW_SHOWMINNOACTIVE);
    Run([](HWND window, CPickerDlg&) { EXPECT_TRUE(::IsIconic(window)); });
}

// A tick that cannot read the pointer shows nothing new, and the colour that
// a capture then takes is the last one read, not the pixel at (0, 0); the
// capture and a Copy of it are said with that colour.
TEST_F(OnWindows, OnTheSecureDesktopTheTickLeavesTextsViewsAndColourAsTheyWere) {
    // Another colour at (0, 0), which a tick that fell back to it would read.
    Scene scene({0, 0, 200, 200}, 100, RGB(200, 30, 10), kSceneLeft);
    Run([](HWND window, CPickerDlg&) {
        HWND position = ::GetDlgItem(window, IDC_POSITION);
        HWND liveValue = ::GetDlgItem(window, IDC_LIVE_VALUE);
        HWND preview = ::GetDlgItem(window, IDC_PREVIEW);
        ::SetCursorPos(120, 50);
        Tick(window);
        ASSERT_EQ(WindowText(position), "X: 120, Y: 50");
        ASSERT_EQ(WindowText(liveValue), "10, 200, 30");
        ASSERT_EQ(Eventually(kSceneLeft, [&] { return ClientPixel(preview, 2, 2); }), kSceneLeft);

        const SecureDesktop locked;
        ::SetCursorPos(150, 150);
        for (int tick = 0; tick < 3; ++tick) Tick(window);
        EXPECT_EQ(WindowText(position), "X: 120, Y: 50");
        EXPECT_EQ(WindowText(liveValue), "10, 200, 30");
        EXPECT_EQ(ClientPixel(preview, 2, 2), kSceneLeft);
        const UiaNotifications reader;
        HotKey(window);
        Click(window, IDC_SLOT1);
        EXPECT_EQ(WindowText(::GetDlgItem(window, IDC_VALUE_EDIT)), "10, 200, 30");
        // Each said once, where the system takes a notification.
        Click(window, IDC_COPY);
        EXPECT_EQ(reader.Said(), (std::vector<std::string>{"Captured 10, 200, 30", "Copied 10, 200, 30"}));
    });
}

// The session's state read back decides, as Windows 8 and as Windows 7 (its
// lock flags reversed) give it: at start, at a notice, at the hot key. A
// notice that the state belies, or of another session, holds nothing.
TEST_F(OnWindows, TheSessionsStateReadBackDecidesWhetherItRests) {
    for (const DWORD minor : {2, 1}) {
        WindowsSession session(minor, WTSDisconnected, false);
        Run([&](HWND window, CPickerDlg&) {
            SCOPED_TRACE(::testing::Message() << "Windows 6." << minor);
            const auto rests = [&] {
                ::SetDlgItemTextA(window, IDC_POSITION, "untouched");
                LetSamplingPeriodsPass();
                return WindowText(::GetDlgItem(window, IDC_POSITION)) == "untouched";
            };
            EXPECT_TRUE(rests()) << "disconnected at start";
            session.Set(WTSActive, false);
            SessionChange(window, WTS_SESSION_LOCK);
            EXPECT_TRUE(TimerWritesPosition(window));
            session.Set(WTSActive, true);
            HotKey(window);
            EXPECT_TRUE(rests()) << "locked";
            session.Set(WTSActive, false);
            SessionChange(window, WTS_SESSION_UNLOCK, false);
            EXPECT_TRUE(rests()) << "another session's notice";
        });
    }
}

// They are said on a provider of the picker's own, which a child window of
// the main window gives UI Automation's clients and hosts, and which is
// disconnected when the window goes.
TEST_F(OnWindows, AnnouncementsAreSaidOnAProviderThatAChildWindowAnswersWith) {
    const UiaNotifications reader;
    HMODULE uia = ::LoadLibraryA("uiautomationcore.dll");
    // UI Automation's nodes, as a client in the window's process reads them
    // (uiautomationcoreapi.h, which MinGW-w64 declares in C alone).
    const auto fromHandle = reinterpret_cast<HRESULT(WINAPI*)(HWND, void**)>(
        reinterpret_cast<void*>(::GetProcAddress(uia, "UiaNodeFromHandle")));
    const auto property = reinterpret_cast<HRESULT(WINAPI*)(void*, PROPERTYID, VARIANT*)>(
        reinterpret_cast<void*>(::GetProcAddress(uia, "UiaGetPropertyValue")));
    HWND announcer = nullptr;
    void* node = nullptr;
    VARIANT name{};
    HRESULT named = E_FAIL;
    // Read on a thread of its own, as a reader reads, while this one handles
    // what UI Automation sends the window.
    const auto readName = [&] {
        std::atomic<bool> done = false;
        std::thread client([&] {
            named = node || SUCCEEDED(fromHandle(announcer, &node))
                        ? property(node, UIA_NamePropertyId, &name)
                        : E_FAIL;
            done = true;
        });
        EXPECT_TRUE(PumpUntil([&] { return done.load(); }));
        client.join();
    };
    Run([&](HWND window, CPickerDlg&) {
        HotKey(window);
        ASSERT_EQ(reader.Said().size(), 1u);
        IRawElementProviderSimple* host = nullptr;
        ASSERT_HRESULT_SUCCEEDED(reader.SaidOn()->get_HostRawElementProvider(&host));
        announcer = reader.HostedWindow(host);
        host->Release();
        EXPECT_EQ(ChildrenOf(window).announcers, std::vector<HWND>{announcer});
        readName();
        ASSERT_HRESULT_SUCCEEDED(named);
        EXPECT_STREQ(name.bstrVal, L"Huevane announcements");
        ::VariantClear(&name);
    });
    readName();
    EXPECT_EQ(named, static_cast<HRESULT>(0x80040201)) << "UIA_E_ELEMENTNOTAVAILABLE";
}

// Every interface of a named control's object answers with the one object's
// IUnknown, which a reader in another process cannot check: the proxy there
// answers for the object.
TEST_F(OnWindows, ANamedControlsObjectIsOneObject) {
    Run([](HWND window, CPickerDlg&) {
        IAccessible* object = nullptr;
        ASSERT_HRESULT_SUCCEEDED(
            ::AccessibleObjectFromWindow(::GetDlgItem(window, IDC_COPY), static_cast<DWORD>(OBJID_CLIENT),
                                         IID_IAccessible, reinterpret_cast<void**>(&object)));
        IUnknown* identity = nullptr;
        object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity));
        for (const IID* iid : {&IID_IOleWindow, &IID_IEnumVARIANT, &IID_IServiceProvider}) {
            IUnknown* given = nullptr;
            IUnknown* itsIdentity = nullptr;
            ASSERT_HRESULT_SUCCEEDED(object->QueryInterface(*iid, reinterpret_cast<void**>(&given)));
            given->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&itsIdentity));
            EXPECT_EQ(itsIdentity, identity);
            itsIdentity->Release();
            given->Release();
        }
        identity->Release();
        object->Release();
    });
}

// The program's own start-up, up to its main window.
TEST(OnWindowsStartUp, AsksForTheHotKeyControlsClassBeforeTheWindowOpens) {
    const CommonControlsOnRequest commonControls;
    std::vector<DWORD> beforeTheWindow;
    InNextDialog([&](HWND) { beforeTheWindow = commonControls.Requests(); });
    AfxGetApp()->InitInstance();
    ASSERT_EQ(beforeTheWindow.size(), 1u);
    EXPECT_NE(beforeTheWindow[0] & ICC_HOTKEY_CLASS, 0u);
    // Loaded at run time, they are still the side-by-side version 6 that the
    // manifest asks for, not System32's own.
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(::GetModuleHandleA("comctl32.dll"), path, MAX_PATH);
    EXPECT_NE(
        std::string(::CharLowerA(path)).find("_microsoft.windows.common-controls_6595b64144ccf1df_6.0."),
        std::string::npos)
        << path;
}

// "If the function fails, the return value is NULL" (SetWindowsHookExA).
HHOOK WINAPI RefuseHook(int, HOOKPROC, HINSTANCE, DWORD) { return nullptr; }

// Where the thread's filter cannot be installed, nothing of the program runs.
TEST(OnWindowsStartUp, WithoutItsFilterTheProgramSaysSoAndDoesNotStart) {
    const ImportReplacement refused("user32.dll", "SetWindowsHookExA",
                                    reinterpret_cast<const void*>(&RefuseHook));
    std::string told;
    InNextDialog([&](HWND box) { told = WindowText(::GetDlgItem(box, 0xFFFF)); });
    EXPECT_EQ(RunFiltered([] { return 0; }), 1);
    EXPECT_EQ(told,
              "Huevane cannot start safely: a filter of other programs' messages could not be installed.");
}

}  // namespace
}  // namespace huevane_test
