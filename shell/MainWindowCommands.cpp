// The commands of the menu, the accelerators and the control panel, the
// window sizes and the two ways the program ends.
#include "engine/ModalPause.h"
#include "resources/resource_ids.h"
#include "scores/UsageTime.h"
#include "shell/HelpChoice.h"
#include "shell/MainWindow.h"
#include "shell/WebAddresses.h"
#include "shell/WindowSizeFile.h"

namespace tintfall {

void MainWindow::onCommand(int commandId) {
    if (watch_) {
        switch (commandId) {
            // While a replay plays, Pause pauses it and Start/Stop stops it.
            case CMD_PAUSE:
                watch_->togglePause();
                stepReplay();
                return;
            case CMD_START_STOP: stopWatching(); return;
            // Views and pages leave it playing.
            case CMD_SIZE_NORMAL:
            case CMD_SIZE_BIG:
            case CMD_SIZE_AUTOMATIC:
            case CMD_CHAMPIONS:
            case CMD_HELP_INDEX:
            case CMD_HOME_PAGE:
            case CMD_ABOUT:
            case CMD_TOP50_PAGE: break;
            // Everything else is about the game or its files: the replay stops first.
            default: stopWatching(); break;
        }
    }
    switch (commandId) {
        case CMD_START_STOP: startOrStop(); break;
        case CMD_PAUSE: togglePause(); break;
        case CMD_OPTIONS: showOptions(); break;
        case CMD_SIZE_NORMAL: setWindowSizeMode(NormalSize); break;
        case CMD_SIZE_BIG: setWindowSizeMode(BigSize); break;
        case CMD_SIZE_AUTOMATIC: setWindowSizeMode(AutomaticSize); break;
        case CMD_SAVE_AS: saveGame(); break;
        case CMD_LOAD: loadGame(); break;
        case CMD_EXIT: confirmQuit(); break;
        case CMD_CHAMPIONS: showChampions(); break;
        case CMD_HELP_INDEX: showHelpIndex(); break;
        case CMD_HOME_PAGE: openHomePage(); break;
        case CMD_ABOUT: showAbout(); break;
        case CMD_LOCAL_TABLE: showLocalTables(); break;
        case CMD_INTERNET_TABLE: showInternetTable(); break;
        case CMD_TOP50_PAGE: openTop50Page(); break;
        case CMD_WATCH_REPLAY: watchReplay(); break;
        default: break;
    }
}

MenuState MainWindow::currentMenuState() const {
    MenuState menu = menuState(state_, settings_, windowSizeMode_);
    if (watch_) {
        menu.startStopText = "Stop Replay\tF2";
        const std::string key = menu.pauseText.substr(menu.pauseText.find('\t'));
        menu.pauseText = (watch_->paused() ? "Resume Replay" : "Pause Replay") + key;
        menu.pauseEnabled = !watch_->ended();
    }
    return menu;
}

void MainWindow::startOrStop() { game.startOrStop(StartStopCaller::Menu); }

void MainWindow::togglePause() { game.togglePause(); }

void MainWindow::showOptions() { options_->show(); }

void MainWindow::saveGame() { saveLoad_.saveGameAs(); }

void MainWindow::loadGame() { saveLoad_.loadGame(); }

void MainWindow::showLocalTables() { bestScores_->showBestScores(BestScoresStart::LocalClassic); }

void MainWindow::showInternetTable() { bestScores_->showBestScores(BestScoresStart::InternetTop10); }

void MainWindow::showHelpIndex() {
    ModalPause pause(game);
    openHelp(services, kHelpIndexContext);
}

void MainWindow::showHelpContext(int context) { openHelp(services, context); }

void MainWindow::openHomePage() { services.shellOpen(kHomePageUrl); }

void MainWindow::openTop50Page() { services.shellOpen(kTop50PageUrl); }

void MainWindow::showAbout() {
    ModalPause pause(game);
    services.showAboutBox();
}

void MainWindow::showChampions() {
    ModalPause pause(game);
    services.showChampionsDialog();
}

void MainWindow::applyWindowSizeMode(int mode) {
    // A stored mode the program never writes selects Automatic.
    if (mode != NormalSize && mode != BigSize) mode = AutomaticSize;
    windowSizeMode_ = mode;
    if (mode == AutomaticSize) {
        // The rule is measured in layout units, whatever the screen's resolution.
        const ScreenSize screen = services.screenSize();
        view_.effectiveSize = chooseAutomaticSize(scale_.toUnits(screen.width), scale_.toUnits(screen.height));
    } else {
        view_.effectiveSize = mode;
    }
    view_.layout = applyLayout(view_.effectiveSize);
    panel.setGeometry(view_.layout.panel);
}

void MainWindow::setWindowSizeMode(int mode) {
    applyWindowSizeMode(mode);
    fitWindowToLayout();
}

void MainWindow::fitWindowToLayout() {
    const ScreenSize client = clientPixels();
    services.resizeClient(client.width, client.height);
    services.releaseBackBuffer();
    services.createBackBuffer(client.width, client.height);
    redraw();
}

ScreenSize MainWindow::clientPixels() const {
    return {scale_.toPixels(view_.layout.clientWidth), scale_.toPixels(view_.layout.clientHeight)};
}

void MainWindow::onDpiChanged(int dpi) {
    const DisplayScale scale = DisplayScale::of(dpi);
    if (scale == scale_) return;
    scale_ = scale;
    if (assets_) assets_->changeScale(scale_);
    if (view_.windowReady) fitWindowToLayout();
}

void MainWindow::addUsageTimeOnce() {
    if (usageTimeAdded_) return;
    usageTimeAdded_ = true;
    addUsageTime(files, baseFolder_, clock.milliseconds(), runStartTime);
}

void MainWindow::confirmQuit() {
    if (quitConfirmed_) return;
    {
        ModalPause pause(game);
        if (message("Are you sure you want to quit?", MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes)
            return;
        // From here on nothing is drawn, the end of the pause included.
        quitConfirmed_ = true;
        view_.windowReady = false;
    }
    saveOptions();
    addUsageTimeOnce();
    services.postQuit(0);
}

void MainWindow::onDestroy() {
    destroying_ = true;
    addUsageTimeOnce();
    // The size choice is kept however the program ends.
    writeWindowSizeMode(files, baseFolder_, windowSizeMode_);
    // A confirmed quit has written the options already.
    if (!quitConfirmed_) saveOptions();
    view_.windowReady = false;
    assets_->releaseAll();
    services.releaseBackBuffer();
}

}  // namespace tintfall
