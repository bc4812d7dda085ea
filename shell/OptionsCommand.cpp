#include "shell/OptionsCommand.h"

#include "engine/ModalPause.h"
#include "settings/CConOpt.h"
#include "settings/CGameOpt.h"
#include "settings/CIntOpt.h"
#include "settings/CSndOpt.h"

namespace tintfall {

namespace {

void copyIn(const GameSettings& s, std::int32_t gameRunning, const std::string& baseFolder, CGameOpt& game,
            CIntOpt& interfacePage, CConOpt& control, CSndOpt& sound) {
    game.gameRunning = gameRunning;
    game.colourCount = s.colourCount;
    game.blockCountCode = s.blockCountCode;
    game.gameMode = s.gameMode;
    game.bombsEnabled = s.bombsEnabled;
    game.startLevelIndex = s.startLevelIndex;
    game.demolitionDelay = s.demolitionDelay;
    game.levelAnimationDelay = s.levelAnimationDelay;

    interfacePage.userColour = s.userColour;
    interfacePage.fieldBackground = s.fieldBackground;
    interfacePage.showNextBar = s.showNextBar;
    interfacePage.blockSet = s.blockSet;
    interfacePage.animateTitle = s.animateTitle;
    interfacePage.showStatusBar = s.showStatusBar;

    control.keyCode = s.keyCode;
    for (int action = 0; action < kPlayActionCount; ++action) control.keyDelay[action] = s.keyDelay[action];

    sound.soundOn = s.soundOn;
    sound.soundEventOn = s.soundEventOn;
    sound.soundFile = s.soundFile;
    sound.baseFolder = baseFolder;
}

// The sheet's values over a copy of the settings in force.
GameSettings chosenSettings(GameSettings s, const CGameOpt& game, const CIntOpt& interfacePage, const CConOpt& control,
                            const CSndOpt& sound) {
    s.colourCount = game.colourCount;
    s.blockCountCode = game.blockCountCode;
    s.gameMode = game.gameMode;
    s.bombsEnabled = game.bombsEnabled;
    s.startLevelIndex = game.startLevelIndex;
    s.demolitionDelay = game.demolitionDelay;
    s.levelAnimationDelay = game.levelAnimationDelay;
    s.fieldBackground = interfacePage.fieldBackground;
    s.userColour = interfacePage.userColour;
    s.showNextBar = interfacePage.showNextBar;
    s.showStatusBar = interfacePage.showStatusBar;
    s.animateTitle = interfacePage.animateTitle;
    s.blockSet = interfacePage.blockSet;
    s.keyCode = control.keyCode;
    for (int action = 0; action < kPlayActionCount; ++action) s.keyDelay[action] = control.keyDelay[action];
    s.soundOn = sound.soundOn;
    s.soundEventOn = sound.soundEventOn;
    s.soundFile = sound.soundFile;
    return s;
}

}  // namespace

void OptionsCommand::show() {
    ModalPause pause(game_);
    CGameOpt game;
    CIntOpt interfacePage;
    CConOpt control;
    CSndOpt sound;
    const GameSettings& settings = game_.settings();
    copyIn(settings, game_.state().gameRunning, baseFolder_, game, interfacePage, control, sound);
    if (runner_.runOptionsSheet(game, interfacePage, control, sound)) {
        const GameSettings chosen = chosenSettings(settings, game, interfacePage, control, sound);
        // Only a change of the switch restarts or stops the animation, and
        // the bitmaps are loaded again only for another set.
        const bool titleSwitched = (chosen.animateTitle != 0) != (settings.animateTitle != 0);
        const bool otherBlockSet = chosen.blockSet != settings.blockSet;
        game_.applyOptions(chosen);
        if (titleSwitched) target_.setTitleAnimation(chosen.animateTitle != 0);
        if (otherBlockSet) target_.reloadBlockSet();
    }
    // Written after Cancel too, so the file always holds what is in force.
    target_.saveOptions();
}

}  // namespace tintfall
