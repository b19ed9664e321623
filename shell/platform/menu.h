// CMenu: owns one menu and destroys it; movable, not copyable. A menu set on
// a window belongs to that window's life: DestroyMenu before the window goes
// would leave the window with a dead menu, so the owner destroys it when the
// window is destroyed.
#pragma once

#include <windows.h>

#include <utility>

class CMenu {
public:
    CMenu() = default;
    ~CMenu() { DestroyMenu(); }
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
    CMenu(CMenu&& other) noexcept : m_hMenu(std::exchange(other.m_hMenu, nullptr)) {}

    // Takes ownership of `menu`, destroying the one held before.
    void Attach(HMENU menu) {
        DestroyMenu();
        m_hMenu = menu;
    }
    // Destroys the menu held, if any, and holds none afterwards.
    void DestroyMenu() {
        if (m_hMenu) ::DestroyMenu(std::exchange(m_hMenu, nullptr));
    }
    HMENU GetSafeHmenu() const { return m_hMenu; }

private:
    HMENU m_hMenu = nullptr;
};
