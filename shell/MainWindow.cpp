#include "shell/MainWindow.h"

#include <utility>

#include "net/UploadKey.h"
#include "scores/DateTimeText.h"
#include "scores/FirstStart.h"
#include "scores/ScoreBook.h"
#include "settings/OptionsFile.h"
#include "shell/FileCheck.h"
#include "shell/WindowSizeFile.h"

namespace tintfall {

namespace {
constexpr const char* kScratchFileName = "z";
constexpr const char* kDiskFullError = "ERROR! It is impossible to create file. Hard disk is full or damaged";
}  // namespace

MainWindow::MainWindow(Files& files, Clock& clock, SoundPlayer& sound, WindowServices& services,
                       DialogRunner& dialogs, InternetTableOperations& internet, SecureRandom& random)
    : files(files),
      clock(clock),
      sound(sound),
      services(services),
      dialogs_(dialogs),
      internet_(internet),
      random_(random),
      scaledBackBuffer_(services.backBuffer(), scale_),
      scaledWindow_(services.windowCanvas(), scale_),
      game(state_, settings_, *this, clock),
      panel(game, *this, *this),
      saveLoad_(dialogs, files, game, services) {}

MainWindow::~MainWindow() = default;

void MainWindow::onCreate() {
    // 1. Initial game state and default settings.
    game.reset();
    settings_.resetToDefaults(std::string());
    view_.windowReady = false;
    view_.paintingEnabled = false;

    // 2. baseFolder, before any other file access, and the parts that work
    // in it.
    findBaseFolder();
    // Pictures are held at the resolution of the screen; layouts stay in units of 96 DPI.
    scale_ = DisplayScale::of(services.dpi());
    assets_ = std::make_unique<AssetStore>(files, baseFolder_, scale_);
    options_ = std::make_unique<OptionsCommand>(dialogs_, game, baseFolder_, static_cast<OptionsTarget&>(*this));

    // 3 and 4. Sound paths in baseFolder, then the options file.
    loadOptionsAtStart();

    // 5. Window size and layout, in layout units; the window shows them at
    // the screen's resolution.
    applyWindowSizeMode(readWindowSizeMode(files, baseFolder_));

    // 6. The date of the first start, kept from then on.
    writeFirstStartIfAbsent(files, baseFolder_, dateTimeText());

    // 7. Every bitmap, then the warning about missing pictures, sounds or
    // help file; the check takes the pictures in use from the store, so each
    // is read once.
    assets_->loadAll(settings_.blockSet);
    const std::string missing = checkFiles(files, baseFolder_, *assets_);
    if (!missing.empty()) message(missing, MessageIcon::Exclamation);

    // 8. The title.
    setTitleAnimation(settings_.animateTitle != 0);

    // 9. The back buffer of the client size.
    const ScreenSize client = clientPixels();
    services.createBackBuffer(client.width, client.height);

    // 10. Clock of the status bar and the start of this run.
    const LocalTime now = clock.localTime();
    view_.clockHour = now.hour;
    view_.clockMinute = now.minute;
    runStartTime = clock.milliseconds();

    // 11. The results' dialogs with the installation's upload key, made now
    // when the folder has none.
    bestScores_ = std::make_unique<BestScoresCommand>(dialogs_, files, clock, baseFolder_, internet_,
                                                      loadOrCreateUploadKey(files, random_, baseFolder_), game);

    // 12. Ready; the caller starts timer 1 and shows the window.
    view_.windowReady = true;
}

bool MainWindow::findBaseFolder() {
    if (!files.write(kScratchFileName, {})) {
        message(kDiskFullError, MessageIcon::Exclamation);
        confirmQuit();
        return false;
    }
    const std::string full = files.fullPath(kScratchFileName);
    files.remove(kScratchFileName);
    baseFolder_ = full.substr(0, full.size() - 1);
    return true;
}

void MainWindow::loadOptionsAtStart() {
    if (loadOptionsAtStartUp(files, baseFolder_, settings_) == OptionsStartUp::CannotCreate) {
        message(kOptionsCreateError, MessageIcon::Exclamation);
        // The program ends as if the quit had been confirmed: nothing asks again.
        quitConfirmed_ = true;
        services.postQuit(0);
    }
}

void MainWindow::saveOptions() {
    if (writeOptions(files, baseFolder_, settings_)) return;
    message(kOptionsSaveError, MessageIcon::Exclamation);
    // The quit path writes the options itself, so asking again there would
    // loop; a window being destroyed is ending anyway.
    if (!quitConfirmed_ && !destroying_) confirmQuit();
}

void MainWindow::onTick() {
    if (!view_.paintingEnabled) {
        view_.paintingEnabled = true;
        redraw();
    }
    const LocalTime now = clock.localTime();
    if (now.hour != view_.clockHour || now.minute != view_.clockMinute) {
        view_.clockHour = now.hour;
        view_.clockMinute = now.minute;
        redraw();
    }
    if (watch_) {
        stepReplay();
        return;
    }
    game.gameStep();
    stepTitle();
}

void MainWindow::onActivateApp(bool active) { game.setAppActive(active); }

// While a replay plays, no key or click reaches the game or the panel.
void MainWindow::preTranslateKey(bool keyDown, int keyCode) {
    if (!watch_) game.preTranslateKey(keyDown, keyCode);
}

void MainWindow::onKeyDown(int keyCode) {
    if (watch_)
        replayKey(keyCode);
    else
        game.onKeyDown(keyCode);
}

void MainWindow::onMouseMove(int x, int y) {
    if (!watch_) panel.onMouseMove(scale_.toUnits(x), scale_.toUnits(y));
}

void MainWindow::onLeftButtonDown(int x, int y) {
    if (!watch_) panel.onLeftButtonDown(scale_.toUnits(x), scale_.toUnits(y));
}

void MainWindow::onLeftButtonUp(int x, int y) {
    if (!watch_) panel.onLeftButtonUp(scale_.toUnits(x), scale_.toUnits(y));
}

void MainWindow::onRightButtonUp() {
    if (!watch_) panel.onRightButtonUp();
}

MessageAnswer MainWindow::message(const std::string& text, MessageIcon icon, MessageButtons buttons,
                                  const std::string& title) {
    return services.messageBox(text, title, icon, buttons);
}

void MainWindow::showTitle(const std::string& text) { services.setTitle(text); }

void MainWindow::reloadBlockSet() { assets_->reloadBlockSet(settings_.blockSet); }

void MainWindow::playSound(SoundEvent event, int slot) {
    if (slot < 0 || slot >= kSoundSlotCount) return;
    if (settings_.soundEnabled(event)) sound.play(settings_.soundFile[slot]);
}

bool MainWindow::askYesNo(const std::string& text) {
    return message(text, MessageIcon::Question, MessageButtons::YesNo) == MessageAnswer::Yes;
}

void MainWindow::showWinnerMessage() { message("You are Winner !", MessageIcon::Information, MessageButtons::Ok, "CONGRATULATIONS !!!"); }

std::string MainWindow::dateTimeText() { return tintfall::dateTimeText(clock.localTime()); }

std::int32_t MainWindow::bestLocalScore(std::int32_t mode) { return tintfall::bestLocalScore(files, baseFolder_, mode); }

std::int32_t MainWindow::qualifyingScore(std::int32_t mode) { return tintfall::qualifyingScore(files, baseFolder_, mode); }

void MainWindow::recordResult(const GameResult& result) { bestScores_->recordResult(result); }

}  // namespace tintfall
