#include "engine/Game.h"
#include "engine/GameRecord.h"
#include "engine/PlayedRules.h"

namespace tintfall {

void Game::newGame() {
    const ReplayCommandScope command(recorder_);
    recorder_.begin(settings_, state_);
    GameState& s = state_;
    s.board.resetBoard();
    s.bestScoreToBeat = host_.bestLocalScore(playedGameMode(settings_));
    s.piece.kind = normalKind();
    s.level = playedStartLevelIndex(settings_.startLevelIndex);
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
    redraw();
}

void Game::startOrStop(StartStopCaller caller) {
    const ReplayCommandScope command(recorder_);
    if (command.top()) recorder_.command(ReplayStartStop, {caller == StartStopCaller::PanelButton ? 1 : 0});
    if (!state_.gameRunning) {
        newGame();
        redraw();
        return;
    }
    const std::int32_t wasNotPaused = state_.notPaused;
    state_.notPaused = 0;
    state_.clockRunning = 0;
    redraw();
    const bool cancel = host_.askYesNo("Do you want to cancel current game?");
    // The panel's button gives the pause state back as soon as the question
    // is answered, so a cancelled game ends with its field as it was; the
    // menu command keeps the field covered until the cancelled game has ended.
    if (!cancel || caller == StartStopCaller::PanelButton) state_.notPaused = wasNotPaused;
    if (cancel) {
        gameOver();
        // A new game must never start paused.
        state_.notPaused = 1;
    } else if (!state_.gameRunning) {
        newGame();
    }
    redraw();
}

void Game::togglePause() {
    const ReplayCommandScope command(recorder_);
    if (command.top()) recorder_.command(ReplayTogglePause);
    if (!state_.gameRunning) return;
    if (state_.notPaused) {
        state_.clockRunning = 0;
        state_.notPaused = 0;
    } else {
        state_.notPaused = 1;
    }
    redraw();
}

void Game::endGame(bool won) {
    GameStats& stats = state_.stats;
    redraw();
    stats.finishedText = host_.dateTimeText();
    // A won game has always landed a piece, but a loaded one need not have:
    // never divide by zero.
    if (stats.piecesCount > 0) stats.sumDropSeconds /= stats.piecesCount;
    play(won ? YouWin : GameOver);
    endAnimation();
    state_.gameRunning = 0;
    // What follows (the winner box, the tables) is the host's, not the game's.
    recorder_.finish();
    redraw();
    if (won) host_.showWinnerMessage();
    if (state_.score < host_.qualifyingScore(playedGameMode(settings_))) return;
    host_.recordResult(makeGameResult(state_, settings_));
    redraw();
}

void Game::gameOver() { endGame(false); }

void Game::gameWon() { endGame(true); }

std::int32_t Game::suspendForModal() {
    const ReplayCommandScope command(recorder_);
    if (command.top()) recorder_.command(ReplaySuspend);
    const std::int32_t remembered = state_.notPaused;
    state_.notPaused = 0;
    state_.clockRunning = 0;
    redraw();
    return remembered;
}

void Game::resumeAfterModal(std::int32_t rememberedNotPaused) {
    const ReplayCommandScope command(recorder_);
    if (command.top()) recorder_.command(ReplayResume, {rememberedNotPaused});
    state_.notPaused = rememberedNotPaused;
    redraw();
}

void Game::setAppActive(bool active) {
    const ReplayCommandScope command(recorder_);
    if (command.top()) recorder_.command(ReplayAppActive, {active ? 1 : 0});
    state_.appActive = active ? 1 : 0;
    if (!active) {
        state_.clockRunning = 0;
        clearKeys();
    }
    redraw();
}

void Game::continueLoadedGame(const GameState& loaded, const GameSettings& loadedRules,
                              const std::vector<std::uint8_t>& savedReplay) {
    const ReplayCommandScope command(recorder_);
    state_ = loaded;
    settings_.gameMode = loadedRules.gameMode;
    settings_.colourCount = loadedRules.colourCount;
    settings_.blockCountCode = loadedRules.blockCountCode;
    settings_.bombsEnabled = loadedRules.bombsEnabled;
    recorder_.continueSaved(savedReplay, settings_, state_);
    state_.bestScoreToBeat = host_.bestLocalScore(playedGameMode(settings_));
    seedRandom();
}

void Game::reset() {
    recorder_.abandon();
    state_ = GameState{};
}

void Game::redraw() {
    noteBestScore();
    host_.redraw();
}

void Game::refreshPanel() {
    noteBestScore();
    host_.refreshPanel();
}

void Game::noteBestScore() {
    // The best-score display follows the score once it is greater; the
    // first frame that shows it so plays the sound, once per game.
    if (!state_.gameRunning || !state_.bestSoundPending || state_.score <= state_.bestScoreToBeat) return;
    state_.bestSoundPending = 0;
    play(BestScore);
}

}  // namespace tintfall
