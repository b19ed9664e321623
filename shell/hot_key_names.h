// A hot key combination in words, as the hot key control writes it.
#pragma once

#include <string>

#include "effects.h"

// Each modifier and then the key, by the keyboard's own names for them,
// joined with '+' ("Ctrl+Home"); "None" for an empty combination.
std::string NameOfHotKey(const huevane::HotKeyCombination& combination);
