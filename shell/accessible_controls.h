// AccessibleControls: a dialog's controls as assistive technology reads them.
//
// Each named control answers WM_GETOBJECT with the system's own object for it
// (CreateStdAccessibleObject), wrapped so that the picker gives its name, role
// and value. Annotating the system's object instead (IAccPropServices) would
// need no subclassing, but Wine's oleacc refuses every annotation (E_NOTIMPL),
// and names that follow each capture would have to be set again at each one;
// the wrapper asks the picker at each request, on Windows and Wine alike.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <utility>

#include "named_accessible.h"
#include "platform/accessibility_api.h"

// Told the identifier of a named control that the focus has left.
using ControlFocusLeft = std::function<void(int controlId)>;

class AccessibleControls {
public:
    AccessibleControls(DescribeControl describe, ControlFocusLeft focusLeft);
    AccessibleControls(const AccessibleControls&) = delete;
    AccessibleControls& operator=(const AccessibleControls&) = delete;

    // From now until `control` is destroyed, readers get the picker's
    // description of it.
    void Name(HWND control);

    // Tells readers that `control`'s name has changed.
    static void NameChanged(HWND control);

private:
    struct Answering {
        Answering(DescribeControl d, ControlFocusLeft f) : describe(std::move(d)), focusLeft(std::move(f)) {}
        DescribeControl describe;
        ControlFocusLeft focusLeft;
        ComApartment com;
    };
    struct NamedControl;
    static LRESULT CALLBACK ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT Answer(const std::shared_ptr<Answering>& answering, HWND control, WPARAM wParam);

    std::shared_ptr<Answering> answering_;
};
