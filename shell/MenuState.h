#pragma once
// Texts, enabled states and check marks of the menu items that change,
// evaluated each time a menu is shown.
#include <array>
#include <string>

#include "engine/GameState.h"
#include "settings/GameSettings.h"

namespace tintfall {

struct MenuState {
    std::string startStopText;  // "Start Game\tF2" / "Stop Game\tF2"
    std::string pauseText;      // "Pause\t" / "Resume\t" + the pause key's name
    bool pauseEnabled = false;
    bool saveEnabled = false;
    // Watching a replay needs the game to stand still.
    bool watchReplayEnabled = true;
    // Normal, Big, Automatic: exactly the item of windowSizeMode is checked.
    std::array<bool, 3> sizeChecked{};
};

// The item of a size mode carries a check mark exactly when it is the mode chosen.
inline bool isWindowSizeModeChecked(int windowSizeMode, int mode) { return windowSizeMode == mode; }

MenuState menuState(const GameState& state, const GameSettings& settings, int windowSizeMode);

}  // namespace tintfall
