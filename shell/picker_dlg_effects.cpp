// Carrying out the rules' effects on the real window, one platform call each.
#include <optional>
#include <string>
#include <utility>
#include <variant>

#include "hot_key_binding.h"
#include "hot_key_names.h"
#include "picker_dlg.h"
#include "sampling.h"
#include "screen_probe.h"
#include "view_options.h"

namespace {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};

}  // namespace

void CPickerDlg::CarryOut(const huevane::Effects& effects) {
    for (const huevane::Effect& effect : effects) CarryOut(effect);
}

CWnd CPickerDlg::ControlWindow(huevane::Control control) {
    using huevane::Control;
    switch (control) {
        case Control::Copy: return GetDlgItem(IDC_COPY);
        case Control::Slot1: return GetDlgItem(IDC_SLOT1);
        case Control::Slot2: return GetDlgItem(IDC_SLOT2);
        case Control::Slot3: return GetDlgItem(IDC_SLOT3);
        case Control::Slot4: return GetDlgItem(IDC_SLOT4);
        case Control::Slot5: return GetDlgItem(IDC_SLOT5);
        case Control::HotKey: return m_hotKeyCtrl;
    }
    return CWnd();
}

void CPickerDlg::CarryOut(const huevane::Effect& effect) {
    using namespace huevane;
    const Overloaded carryOut{
        [&](const EnableControl& e) { ControlWindow(e.control).EnableWindow(e.enable); },
        [&](const ToggleMenuMark& e) { ToggleMenuCheck(e.item.popup, e.item.item); },
        [&](const StartSampleTimer&) { SetTimer(kSampleTimerId, kSamplePeriodMs); },
        [&](const StopSampleTimer&) { KillTimer(kSampleTimerId); },
        [&](const ReadForCapture&) { CarryOut(OnCaptureRead(m_state, ReadPixelForCapture())); },
        [&](const SetTopmost& e) {
            SetWindowPos(e.topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        },
        [&](const RepaintWindow&) { InvalidateRect(nullptr, TRUE); },
        // A held combination is one capture: the auto-repeat of its key
        // would otherwise send the hot key again and again, filling the
        // history with one colour and pushing out the earlier captures.
        [&](const BindHotKey& e) {
            const UINT modifiers = e.combination.modifiers | (e.noRepeat ? MOD_NOREPEAT : 0);
            HotKeyAnswer answer = HotKeyAnswer::Registered;
            if (!::RegisterHotKey(m_hWnd, HOTKEY_ID, modifiers, e.combination.virtualKey)) {
                answer = ::GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED ? HotKeyAnswer::AlreadyRegistered
                                                                             : HotKeyAnswer::Refused;
            }
            CarryOut(OnHotKeyBound(m_state, e, answer));
        },
        // Told once the handler is done and the window is open, so that the
        // box neither holds the window back at start-up nor interrupts an
        // order of effects.
        [&](const TellHotKeyRefused& e) {
            if (!m_untold) PostMessage(kTellMessage);
            m_untold = e;
        },
        [&](const ReleaseHotKey&) { ::UnregisterHotKey(m_hWnd, HOTKEY_ID); },
        [&](const DestroyMenuBar&) {
            SetMenu(nullptr);
            m_menu.DestroyMenu();
        },
        [&](const ShowHotKey& e) { m_hotKeyCtrl.SetHotKey(e.virtualKey, e.flags); },
        [&](const SetHotKeyRules& e) { m_hotKeyCtrl.SetRules(e.invalidCombinations, e.replacementFlags); },
        [&](const AddFormatItem& e) { m_formatList.AddString(e.text.c_str()); },
        [&](const SelectFormatItem& e) { m_formatList.SetCurSel(e.index); },
        [&](const SetValueText& e) { m_valueEdit.SetWindowText(e.text.c_str()); },
        [&](const SelectAllValueText&) { m_valueEdit.SetSel(0, -1); },
        [&](const ScrollValueCaret&) { m_valueEdit.ScrollCaret(); },
        [&](const CopyValueSelection&) { m_valueEdit.Copy(); },
        [&](const huevane::PaintSwatches& e) { PaintSwatches(e.colours); },
        [&](const SlotNamesChanged&) { TellSlotNamesChanged(); },
        [&](const huevane::CopyNameChanged&) {
            AccessibleControls::NameChanged(::GetDlgItem(m_hWnd, IDC_COPY));
        },
        [&](const Announce& e) { m_announcer.Announce(e.text); },
        [&](const huevane::PaintProbe&) { ::PaintProbe(m_hWnd, ProbeAt()); },
        [&](const huevane::EraseProbe&) { ::EraseProbe(m_hWnd, ProbeAt()); },
        [&](const ArmScreenCheck& e) { SetTimer(kScreenCheckTimerId, e.periodMs); },
        [&](const StopScreenCheck&) { KillTimer(kScreenCheckTimerId); },
        [&](const TellScreenUnreadable&) {
            m_untoldScreenUnreadable = true;
            PostMessage(kTellMessage);
        },
        [&](const ShowNothingRead&) {
            m_liveValue.SetWindowText("");
            m_preview.InvalidateRect(nullptr);
            m_zoomView.InvalidateRect(nullptr);
        },
    };
    std::visit(carryOut, effect);
}

void CPickerDlg::ToggleMenuCheck(int popup, int item) {
    HMENU items = ::GetSubMenu(GetMenu(), popup);
    const UINT command = ::GetMenuItemID(items, item);
    const UINT state = ::GetMenuState(items, command, MF_BYCOMMAND);
    ::CheckMenuItem(items, command, MF_BYCOMMAND | ((state & MF_CHECKED) ? MF_UNCHECKED : MF_CHECKED));
}

void CPickerDlg::TellUntold() {
    if (std::exchange(m_untoldScreenUnreadable, false)) {
        const std::string text = huevane::ScreenUnreadableText(WineOnWayland());
        MessageBox(text.c_str(), "Huevane", MB_OK | MB_ICONEXCLAMATION);
    }
    if (!m_untold) return;
    const huevane::TellHotKeyRefused told = *std::exchange(m_untold, std::nullopt);
    const std::string text = huevane::HotKeyRefusedText(
        NameOfHotKey(told.refused), told.refusal,
        told.kept ? std::optional(NameOfHotKey(*told.kept)) : std::nullopt, told.hotKeysOff);
    MessageBox(text.c_str(), "Huevane", MB_OK | MB_ICONEXCLAMATION);
}
