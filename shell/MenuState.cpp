#include "shell/MenuState.h"

#include "settings/KeyNames.h"
#include "shell/WindowLayout.h"

namespace tintfall {

MenuState menuState(const GameState& state, const GameSettings& settings, int windowSizeMode) {
    MenuState menu;
    const bool running = state.gameRunning != 0;
    menu.startStopText = running ? "Stop Game\tF2" : "Start Game\tF2";
    const std::string key = keyName(settings.keyCode[PauseGame]);
    menu.pauseText = (state.notPaused != 0 ? "Pause\t" : "Resume\t") + key;
    menu.pauseEnabled = running;
    menu.saveEnabled = running;
    menu.watchReplayEnabled = !running;
    menu.sizeChecked = {isWindowSizeModeChecked(windowSizeMode, NormalSize), isWindowSizeModeChecked(windowSizeMode, BigSize),
                        isWindowSizeModeChecked(windowSizeMode, AutomaticSize)};
    return menu;
}

}  // namespace tintfall
