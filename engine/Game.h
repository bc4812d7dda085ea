#pragma once
// The running game's rules as operations on the one GameState: pieces and
// moves, landing, runs and cascades, levels, modes and bombs, the game clock
// with its key trackers, and starting, pausing and ending games. Everything
// outside the rules (drawing, sounds, questions, best scores) goes through
// GameHost; time comes from Clock.
#include <cstdint>
#include <vector>

#include "engine/GameHost.h"
#include "engine/GameState.h"
#include "engine/RecordedBoundary.h"
#include "engine/ReplayRecorder.h"
#include "platform/Clock.h"
#include "settings/GameSettings.h"

namespace tintfall {

// Who asks to start or stop: the menu command (and F2) or the panel's
// Start/Stop button. They differ only in when a cancelled game gets its
// pause state back.
enum class StartStopCaller { Menu, PanelButton };

class Game {
public:
    Game(GameState& state, GameSettings& settings, GameHost& host, Clock& clock);

    // Read-only views; every change goes through the operations below.
    const GameState& state() const { return state_; }
    const GameSettings& settings() const { return settings_; }

    // Random numbers: the one program-wide generator in the game state.
    std::int32_t nextRandom();
    void seedRandom();  // seeds with the calendar time in whole seconds

    // Pieces and moves. Operations that may land a piece return false when
    // the landing ended the game (lost, or overflowed by a pushed row).
    void spawnNextPiece();
    bool tryMove(int dx, int dy);
    void rotatePiece();
    bool softDrop();
    bool hardDrop();
    // One column left (-1) or right (+1); a blocked bomb lands on the cell beside it.
    bool moveSideways(int dx);
    // One step of gravity: down one row, or land.
    bool gravityStep();

    // Landing and the cascade that follows.
    bool landPiece();
    std::int32_t removeRuns(bool afterRise);
    std::int32_t findAndRemoveRuns();
    void settle();

    // Levels, the Rising rows, bombs and the whole-field animations.
    void advanceLevel();
    // Rising countdown after a normal landing; adds the blocks removed after
    // a pushed row to `removed`. False when the pushed row ended the game.
    bool applyRiseRule(std::int32_t& removed);
    // False when the new row overflowed into the hidden rows (game over).
    bool pushRisingRow();
    void explode(std::int32_t kind);
    void levelAnimation();
    void endAnimation();

    // Keyboard and the game clock.
    void preTranslateKey(bool isKeyDown, std::int32_t keyCode);
    void onKeyDown(std::int32_t keyCode);
    // The game part of one timer tick: gravity, held keys, the Timer
    // countdown and the play seconds while play proceeds; forgets the keys
    // while paused.
    void gameStep();
    void clearKeys();

    // Game flow.
    // Back to the initial, not-running state of program start.
    void reset();
    void newGame();
    void startOrStop(StartStopCaller caller);
    void togglePause();
    void gameOver();
    void gameWon();
    // Around every modal dialog: the game stands still and its clock re-bases.
    // suspendForModal returns the pause flag to hand back to resumeAfterModal,
    // so nested dialogs restore correctly.
    std::int32_t suspendForModal();
    void resumeAfterModal(std::int32_t rememberedNotPaused);
    // The application became active or inactive: an inactive one covers the
    // field, stops its clock and forgets held keys.
    void setAppActive(bool active);
    // A saved game read whole: its state and its four rules replace the
    // current ones; then the best score of its mode and a fresh random seed.
    // The replay saved with the game goes on recording; without one the
    // game is not recorded.
    void continueLoadedGame(const GameState& loaded, const GameSettings& loadedRules,
                            const std::vector<std::uint8_t>& savedReplay = {});

    // The settings the player changes. The rules of a game (mode, colours,
    // piece size, bombs, start level) take effect at the next newGame and
    // stay as they are while a game runs.
    void chooseRule(RuleGroup group, int choice);
    void toggleBombs();
    void toggleNextBar();
    void toggleStatusBar();
    // The options sheet closed with OK: every setting from the sheet's copy.
    void applyOptions(const GameSettings& chosen);

    // Replays. The replay of the game that ended last (empty when it was not
    // recorded) and of the running game so far (what a saved game keeps).
    const std::vector<std::uint8_t>& finishedReplay() const { return recorder_.finishedGame(); }
    std::vector<std::uint8_t> replaySoFar() { return recorder_.gameSoFar(); }
    // Off for a game that is itself re-run from a replay.
    void setRecording(bool on) { recorder_.setEnabled(on); }

private:
    // The host's full frame and number refresh, after the best-score rule.
    void redraw();
    void refreshPanel();
    void noteBestScore();
    std::int32_t colourCount() const;
    std::int32_t normalKind() const;  // the piece kind of the game's blockCountCode
    std::int32_t randomColour();
    void play(SoundEvent event);
    void wait(std::int32_t ms);
    void endGame(bool won);
    void turnIntoBomb(std::int32_t kind);
    void putPieceAtSpawn();
    void fieldAnimation(bool restoreField);
    bool performKeyAction(int action);
    void playStep();
    void stepTimerCountdown(std::uint32_t now);
    void stepPlaySeconds(std::uint32_t now);
    bool continueAfterRemoval(std::int32_t removed, bool afterBomb);

    GameState& state_;
    GameSettings& settings_;
    ReplayRecorder recorder_;
    // Every reading of the host and the clock goes through these.
    RecordedHost host_;
    RecordedClock clock_;
};

}  // namespace tintfall
