// A fixture that opens the real main window for each test.
#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "dialog_harness.h"
#include "picker_dlg.h"

namespace huevane_test {

class PickerWindow : public ::testing::Test {
protected:
    // Opens the main window, as the application does, and runs `body` in it.
    INT_PTR Run(const std::function<void(HWND, CPickerDlg&)>& body) {
        CPickerDlg dlg;
        AfxGetApp()->m_pMainWnd = &dlg;
        const INT_PTR result = RunInDialog(dlg, [&](HWND window) { body(window, dlg); });
        AfxGetApp()->m_pMainWnd = nullptr;
        return result;
    }
};

// Whether another window could register this combination now: it cannot
// while the main window holds it.
bool CombinationIsFree(UINT modifiers, UINT virtualKey);

}  // namespace huevane_test
