#include "engine/Game.h"
#include "engine/GameRecord.h"
#include "engine/PlayedRules.h"

namespace tintfall {

void Game::newGame() {
    GameState& s = state_;
    s.board.reset();
    s.bestScoreToBeat = host_.bestLocalScore(playedGameMode(settings_));
    s.piece.kind = normalKind();
    s.level = settings_.startLevelIndex >= 0 && settings_.startLevelIndex < 20 ? settings_.startLevelIndex : 0;
    s.bestSoundPending = 1;
    s.score = s.blocksRemoved = s.blocksToClear = s.timeLeft = s.riseCountdown = 0;
    s.stats.startedText = host_.dateTimeText();
    s.stats.finishedText.clear();

    const std::uint32_t now = clock_.milliseconds();
    s.secondsStamp = now;
    s.stats.gameSeconds = s.stats.piecesCount = s.stats.bombsCount = 0;
    s.stats.maxDropSeconds = s.stats.sumDropSeconds = 0;
    s.stats.minDropSeconds = 1000;
    clearKeys();

    const std::int32_t mode = playedGameMode(settings_);
    if (mode == Timer) {
        s.timeLeft = 180;
        s.clockRunning = 1;
        s.timerStamp = now;
        s.riseCountdownMax = s.riseCountdown = -1;
    } else if (mode == Rising) {
        s.timeLeft = -1;
        s.riseCountdownMax = s.riseCountdown = 10;
    } else {
        s.timeLeft = s.riseCountdownMax = s.riseCountdown = -1;
    }

    spawnNextPiece();
    advanceLevel();
    play(GameStart);
    levelAnimation();
    s.gameRunning = 1;
    host_.redraw();
}

void Game::startOrStop() {
    if (!state_.gameRunning) {
        newGame();
        host_.redraw();
        return;
    }
    const std::int32_t wasNotPaused = state_.notPaused;
    state_.notPaused = 0;
    state_.clockRunning = 0;
    host_.redraw();
    if (host_.askYesNo("Do you want to cancel current game?")) {
        gameOver();
        state_.notPaused = 1;
    } else {
        state_.notPaused = wasNotPaused;
        if (!state_.gameRunning) newGame();
    }
    host_.redraw();
}

void Game::togglePause() {
    if (!state_.gameRunning) return;
    if (state_.notPaused) {
        state_.clockRunning = 0;
        state_.notPaused = 0;
    } else {
        state_.notPaused = 1;
    }
    host_.redraw();
}

void Game::endGame(bool won) {
    GameStats& stats = state_.stats;
    host_.redraw();
    stats.finishedText = host_.dateTimeText();
    // A won game has always landed a piece, but a loaded one need not have:
    // never divide by zero.
    if (stats.piecesCount > 0) stats.sumDropSeconds /= stats.piecesCount;
    play(won ? YouWin : GameOver);
    endAnimation();
    state_.gameRunning = 0;
    host_.redraw();
    if (won) host_.showWinnerMessage();
    if (state_.score < host_.qualifyingScore(playedGameMode(settings_))) return;
    host_.recordResult(makeGameResult(state_, settings_));
    host_.redraw();
}

void Game::gameOver() { endGame(false); }

void Game::gameWon() { endGame(true); }

std::int32_t Game::suspendForModal() {
    const std::int32_t remembered = state_.notPaused;
    state_.notPaused = 0;
    state_.clockRunning = 0;
    host_.redraw();
    return remembered;
}

void Game::resumeAfterModal(std::int32_t rememberedNotPaused) {
    state_.notPaused = rememberedNotPaused;
    host_.redraw();
}

}  // namespace tintfall
