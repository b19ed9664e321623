#include "hot_key_names.h"

#include "platform.h"

namespace {

std::string KeyName(UINT virtualKey, bool extended) {
    // The name is the keyboard layout's, by scan code; the extended bit tells
    // Home from the keypad's 7.
    const LONG scanCode = static_cast<LONG>(::MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    char name[64] = {};
    const int length = ::GetKeyNameTextA(scanCode << 16 | (extended ? 1 << 24 : 0), name, sizeof name);
    return std::string(name, static_cast<std::size_t>(length > 0 ? length : 0));
}

}  // namespace

std::string NameOfHotKey(const huevane::HotKeyCombination& combination) {
    std::string name;
    const auto add = [&name](const std::string& part) { name += (name.empty() ? "" : "+") + part; };
    if (combination.flags & HOTKEYF_CONTROL) add(KeyName(VK_CONTROL, false));
    if (combination.flags & HOTKEYF_SHIFT) add(KeyName(VK_SHIFT, false));
    if (combination.flags & HOTKEYF_ALT) add(KeyName(VK_MENU, false));
    if (combination.virtualKey != 0)
        add(KeyName(combination.virtualKey, (combination.flags & HOTKEYF_EXT) != 0));
    return name.empty() ? "None" : name;
}
