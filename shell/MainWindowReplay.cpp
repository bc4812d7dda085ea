// Watching a replay in the main window: choosing it, its keys, its steps on
// the window's timer and the title that says it is playing.
#include "shell/MainWindow.h"
#include "scores/RowReplays.h"
#include "shell/WatchReplayDialog.h"

namespace tintfall {

namespace {
constexpr int kEscapeKey = 0x1B;
constexpr int kSpaceKey = 0x20;
constexpr int kFasterKey = 'F';
}  // namespace

void MainWindow::watchReplay() {
    // A running game keeps the window: the menu item is grey then, and its
    // shortcut does nothing.
    if (state_.gameRunning) return;
    WatchReplayDialog dialog(files, baseFolder_);
    if (dialog.empty()) {
        message("There is no replay to watch yet. Every game that enters a local table keeps its replay there.",
                MessageIcon::Information);
        return;
    }
    dialogs_.runWatchReplay(dialog);
    if (!dialog.chosen()) return;
    const ReplayFileRead replay = readRowReplay(files, baseFolder_, *dialog.chosen());
    if (!replay.ok()) {
        message("This replay cannot be played: " + replay.failure + ".", MessageIcon::Exclamation);
        return;
    }
    watch_ = std::make_unique<ReplayWatch>(replay.events, static_cast<GameHost&>(*this), clock);
    watchTitle_.clear();
    stepReplay();
    redraw();
}

void MainWindow::replayKey(int keyCode) {
    if (keyCode == kEscapeKey)
        stopWatching();
    else if (keyCode == kSpaceKey || keyCode == settings_.keyCode[PauseGame])
        watch_->togglePause();
    else if (keyCode == kFasterKey)
        watch_->faster();
    else
        return;
    if (watch_) stepReplay();
}

void MainWindow::stepReplay() {
    watch_->onTick();
    if (watch_->failed()) {
        const std::string reason = watch_->failure();
        stopWatching();
        message("The replay stopped: " + reason + ".", MessageIcon::Exclamation);
        return;
    }
    const std::string title = std::string(kProductName) + " - " + watch_->statusText();
    if (title != watchTitle_) {
        watchTitle_ = title;
        showTitle(title);
    }
}

void MainWindow::stopWatching() {
    if (!watch_) return;
    watch_.reset();
    setTitleAnimation(settings_.animateTitle != 0);
    redraw();
}

}  // namespace tintfall
