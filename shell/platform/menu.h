// CMenu: owns one menu and destroys it; movable, not copyable. A window
// destroys the menu set on it when the window itself is destroyed, so an
// owner that destroys its menu first takes it off the window (SetMenu with
// no menu); otherwise the same handle would be freed twice.
#pragma once

#include <windows.h>

#include "owned_handle.h"

class CMenu {
public:
    // Takes ownership of `menu`, destroying the one held before.
    void Attach(HMENU menu) { m_menu.Reset(menu); }
    // Destroys the menu held, if any, and holds none afterwards.
    void DestroyMenu() { m_menu.Reset(); }
    HMENU GetSafeHmenu() const { return m_menu.Get(); }

private:
    COwnedHandle<HMENU, &::DestroyMenu> m_menu;
};
