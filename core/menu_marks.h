// The check marks of the main menu, addressed by (popup position, item
// position). The real menu holds them in the program; this table holds the
// same ten states so that the rules can decide which marks to flip without a
// window.
#pragma once

#include <array>

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

class MenuMarks {
public:
    // Every item is unchecked when the menu is loaded.
    MenuMarks() = default;

    bool IsChecked(MenuItem item) const { return checked_[Index(item)]; }
    void Toggle(MenuItem item) { checked_[Index(item)] = !checked_[Index(item)]; }

    bool operator==(const MenuMarks&) const = default;

private:
    // The popups hold 3, 2, 2 and 3 items: their first items sit at 0, 3, 5, 7.
    static constexpr std::array<int, 4> kFirstOfPopup{0, 3, 5, 7};
    static int Index(MenuItem item) { return kFirstOfPopup[item.popup] + item.item; }

    std::array<bool, kMenuItems.size()> checked_{};
};

// Flips one mark in the table and asks the window to flip the same mark.
// Every change of a mark goes through here.
void ToggleMenuCheck(PickerState& state, MenuItem item, Effects& effects);

}  // namespace huevane
