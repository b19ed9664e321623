// The check marks of the main menu, addressed by (popup position, item
// position). The real menu holds them in the program; this table holds the
// same ten states so that the rules can decide which marks to flip without a
// window.
#pragma once

#include <array>
#include <cstddef>

#include "effects.h"

namespace huevane {

struct PickerState;

inline constexpr MenuItem kEnableZoomItem{0, 0};
inline constexpr MenuItem kStayOnTopItem{0, 1};
inline constexpr MenuItem kHotKeysItem{0, 2};
inline constexpr MenuItem kAboutItem{1, 0};
inline constexpr MenuItem kHelpItem{1, 1};
inline constexpr MenuItem kStartItem{2, 0};
inline constexpr MenuItem kStopItem{2, 1};
inline constexpr MenuItem kScale2xItem{3, 0};
inline constexpr MenuItem kScale4xItem{3, 1};
inline constexpr MenuItem kScale8xItem{3, 2};

// Every item of the menu, popup by popup, in menu order.
inline constexpr std::array<MenuItem, 10> kMenuItems{
    kEnableZoomItem, kStayOnTopItem, kHotKeysItem, kAboutItem,   kHelpItem,
    kStartItem,      kStopItem,      kScale2xItem, kScale4xItem, kScale8xItem,
};

// Where an item's mark sits in a table of all the marks: after every item of
// the popups before its own, which the item list gives.
constexpr std::size_t MarkIndex(MenuItem item) {
    std::size_t before = 0;
    for (const MenuItem& listed : kMenuItems) {
        if (listed.popup < item.popup) ++before;
    }
    return before + static_cast<std::size_t>(item.item);
}
static_assert(
    [] {
        for (std::size_t i = 0; i < kMenuItems.size(); ++i) {
            if (MarkIndex(kMenuItems[i]) != i) return false;
        }
        return true;
    }(),
    "the items are listed popup by popup, each popup's in menu order");

class MenuMarks {
public:
    // Every item is unchecked when the menu is loaded.
    MenuMarks() = default;

    bool IsChecked(MenuItem item) const { return m_checked[MarkIndex(item)]; }
    void Toggle(MenuItem item) { m_checked[MarkIndex(item)] = !m_checked[MarkIndex(item)]; }

    bool operator==(const MenuMarks&) const = default;

private:
    std::array<bool, kMenuItems.size()> m_checked{};
};

// Flips one mark in the table and asks the window to flip the same mark.
// Every change of a mark goes through here.
void ToggleMenuCheck(PickerState& state, MenuItem item, Effects& effects);

}  // namespace huevane
