#pragma once
// Puts the texts, enabled states and check marks of MenuState on the menu.
#include <windows.h>

#include "shell/MenuState.h"

namespace tintfall {

void applyMenuState(HMENU menu, const MenuState& state);

}  // namespace tintfall
