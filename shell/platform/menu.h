// CMenu: owns one menu and destroys it; movable, not copyable. A window
// destroys the menu set on it when the window itself is destroyed, so an
// owner that destroys its menu first takes it off the window (SetMenu with
// no menu); otherwise the same handle would be freed twice.
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
    CMenu& operator=(CMenu&& other) noexcept {
        if (this != &other) {
            DestroyMenu();
            m_hMenu = std::exchange(other.m_hMenu, nullptr);
        }
        return *this;
    }

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
