// Dialogs.
//   CDataExchange, DDX_Control   bind control wrappers to a dialog's controls
//   CDialog                      a modal dialog from a template, with a message map
#pragma once

#include <windows.h>

#include <optional>

#include "gdi.h"
#include "message_map.h"
#include "wnd.h"
#include "zoom_geometry.h"

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

// Attaches the control's window handle to `control`; nothing is subclassed.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

class CDialog : public CWnd {
public:
    // Construction
    explicit CDialog(UINT templateId, CWnd* parent = nullptr)
        : m_nIDTemplate(templateId), m_pParentWnd(parent) {}
    virtual ~CDialog() = default;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Operations
    // Runs the dialog until it ends and returns its result, -1 if it could not
    // be created or was destroyed or ended by a quit message without a
    // result. With no parent, the application's main window owns it, which
    // is disabled while the dialog is open.
    virtual INT_PTR DoModal();
    // As the system's: the owner is enabled and the box hidden at once; the
    // loop ends once the message being handled is done.
    void EndDialog(int result);

    virtual const MessageMap* GetMessageMap() const { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap();

protected:
    // Runs the data exchange, binding the controls. The window is centred over
    // its owner once the derived class's initialisation has returned.
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange*) {}
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

    // The platform's colours for the control.
    HBRUSH OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }
    void OnDestroy() { Default(); }

    // The platform's default handling of the message being handled.
    LRESULT Default();

    // Every message of the window: to the message map's handler, or to the
    // platform's default handling. A dialog may look at messages first. A box
    // with an owner is kept wholly on its screen after a change of scale, as
    // when it opens, unless the change comes while it is being moved.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void RunModalLoop();
    bool RefusesCommand(UINT message, WPARAM wParam) const;
    void EnableOwner();
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    const MessageMapEntry* FindEntry(UINT message, WPARAM wParam) const;
    static RECT WorkAreaOf(HMONITOR monitor);
    void CentreOverOwner();
    void KeepWithinItsWorkArea();
    // The window, now at `rect`, moved to `topLeft`.
    void MoveTo(const RECT& rect, huevane::Point topLeft);

    struct Message {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    WNDPROC m_defaultProc = nullptr;
    Message m_current{};
    // Set by EndDialog: the loop ends once it holds a result.
    std::optional<INT_PTR> m_nResult;
    // The owner that the box disabled, until the box enables it again.
    HWND m_hDisabledOwner = nullptr;
    // Between WM_ENTERSIZEMOVE and WM_EXITSIZEMOVE: the user moves or sizes it.
    bool m_bInMoveLoop = false;
};
