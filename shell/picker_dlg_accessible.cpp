// The main window's controls as assistive technology reads them: the rules
// name them, the window says which control is which.
#include <array>
#include <utility>

#include "accessible_names.h"
#include "picker_dlg.h"

namespace {

struct NamedId {
    int id;
    huevane::NamedControl control;
    int slot;
};

constexpr std::array<NamedId, 19> kNamedIds{{
    {IDC_FORMAT, huevane::NamedControl::FormatList, 0},
    {IDC_HOTKEY, huevane::NamedControl::CaptureHotKey, 0},
    {IDC_SET_HOTKEY, huevane::NamedControl::UseHotKey, 0},
    {IDC_VALUE_EDIT, huevane::NamedControl::ValueEdit, 0},
    {IDC_PREVIEW, huevane::NamedControl::Preview, 0},
    {IDC_ZOOM, huevane::NamedControl::ZoomView, 0},
    {IDC_LIVE_VALUE, huevane::NamedControl::LiveValue, 0},
    {IDC_POSITION, huevane::NamedControl::Position, 0},
    {IDC_SWATCH1, huevane::NamedControl::Swatch, 1},
    {IDC_SWATCH2, huevane::NamedControl::Swatch, 2},
    {IDC_SWATCH3, huevane::NamedControl::Swatch, 3},
    {IDC_SWATCH4, huevane::NamedControl::Swatch, 4},
    {IDC_SWATCH5, huevane::NamedControl::Swatch, 5},
    {IDC_SLOT1, huevane::NamedControl::SlotButton, 1},
    {IDC_SLOT2, huevane::NamedControl::SlotButton, 2},
    {IDC_SLOT3, huevane::NamedControl::SlotButton, 3},
    {IDC_SLOT4, huevane::NamedControl::SlotButton, 4},
    {IDC_SLOT5, huevane::NamedControl::SlotButton, 5},
    {IDC_COPY, huevane::NamedControl::CopyButton, 0},
}};

constexpr std::array<int, 10> kSlotIds{IDC_SWATCH1, IDC_SWATCH2, IDC_SWATCH3, IDC_SWATCH4, IDC_SWATCH5,
                                       IDC_SLOT1,   IDC_SLOT2,   IDC_SLOT3,   IDC_SLOT4,   IDC_SLOT5};

}  // namespace

void CPickerDlg::NameControls() {
    for (const NamedId& named : kNamedIds) m_accessible.Name(::GetDlgItem(m_hWnd, named.id));
}

std::optional<huevane::AccessibleDescription> CPickerDlg::DescribeControl(int controlId) const {
    for (const NamedId& named : kNamedIds) {
        if (named.id == controlId) return huevane::Describe(m_state, named.control, named.slot);
    }
    return std::nullopt;
}

void CPickerDlg::ControlFocusLeft(int controlId) {
    for (const NamedId& named : kNamedIds) {
        if (named.id == controlId) CarryOut(huevane::OnFocusLeft(m_state, named.control));
    }
}

void CPickerDlg::TellSlotNamesChanged() {
    for (int id : kSlotIds) AccessibleControls::NameChanged(::GetDlgItem(m_hWnd, id));
}
