#include "engine/Game.h"

namespace tintfall {

namespace {

// Held keys act in this order on every tick.
constexpr ControlAction kTickOrder[] = {MoveLeft, MoveRight, DropBottom, MoveDown, Rotate};

}  // namespace

void Game::clearKeys() {
    for (KeyTracker& key : state_.keys) key = KeyTracker{};
}

void Game::preTranslateKey(bool isKeyDown, std::int32_t keyCode) {
    const ReplayCommandScope command(recorder_);
    if (command.top()) recorder_.command(ReplayKeyMessage, {isKeyDown ? 1 : 0, keyCode});
    if (!(state_.appActive && state_.gameRunning && state_.notPaused)) {
        clearKeys();
        return;
    }
    for (int action = 0; action < kPlayActionCount; ++action) {
        if (settings_.keyCode[static_cast<std::size_t>(action)] != keyCode) continue;
        KeyTracker& key = state_.keys[static_cast<std::size_t>(action)];
        if (isKeyDown) {
            key.held = 1;  // repeated key-downs of a held key change nothing more
        } else {
            // A tick may come long after a key that was down and up between
            // two ticks (animations block the thread); it still acts once.
            const bool tapped = key.tapped || (key.held && key.repeatPhase == Idle);
            key = KeyTracker{};
            key.tapped = tapped ? 1 : 0;
        }
    }
}

void Game::onKeyDown(std::int32_t keyCode) {
    const ReplayCommandScope command(recorder_);
    if (command.top()) recorder_.command(ReplayKeyDown, {keyCode});
    if (keyCode == settings_.keyCode[PauseGame]) togglePause();
}

bool Game::performKeyAction(int action) {
    switch (action) {
    case MoveLeft: return moveSideways(-1);
    case MoveRight: return moveSideways(1);
    case DropBottom: return hardDrop();
    case MoveDown: return softDrop();
    case Rotate: rotatePiece(); return true;
    default: return true;
    }
}

void Game::gameStep() {
    const ReplayCommandScope command(recorder_);
    if (command.top()) recorder_.tick();
    if (state_.appActive && state_.gameRunning && state_.notPaused) playStep();
    if (!state_.notPaused) clearKeys();
}

void Game::playStep() {
    const std::uint32_t now = clock_.milliseconds();
    state_.lastTickTime = now;
    // A landing inside the tick may end the game (lost or won); nothing of
    // the finished game may act after that.
    if (now - state_.lastFallTime > static_cast<std::uint32_t>(state_.fallInterval)) {
        if (!gravityStep() || !state_.gameRunning) return;
    }

    for (ControlAction action : kTickOrder) {
        KeyTracker& key = state_.keys[action];
        // A tap pressed again since is simply a held key from here on.
        if (key.tapped) {
            key.tapped = 0;
            if (!key.held) {
                if (!performKeyAction(action) || !state_.gameRunning) return;
                continue;
            }
        }
        if (!key.held) continue;
        if (key.repeatPhase == Idle) {
            key.pressTime = now;
            key.repeatPhase = Waiting;
            if (!performKeyAction(action) || !state_.gameRunning) return;
        }
        if (key.repeatPhase == Repeating) {
            if (!performKeyAction(action) || !state_.gameRunning) return;
        }
        const auto delay = static_cast<std::uint32_t>(settings_.keyDelay[action]);
        if (key.repeatPhase == Waiting && now - key.pressTime >= delay && delay < 1000) key.repeatPhase = Repeating;
    }

    if (state_.timeLeft != -1) {
        stepTimerCountdown(now);
        if (!state_.gameRunning) return;
    }
    stepPlaySeconds(now);
}

void Game::stepTimerCountdown(std::uint32_t now) {
    if (!state_.clockRunning) state_.timerStamp = now;
    const std::uint32_t elapsed = now - state_.timerStamp;
    if (elapsed > 1000) {
        state_.timeLeft -= static_cast<std::int32_t>(elapsed / 1000);
        state_.timerStamp = now;
        refreshPanel();
        if (state_.timeLeft <= 10) play(TimerTick);
    }
    if (state_.timeLeft < 0) {
        state_.timeLeft = 0;
        redraw();
        gameOver();
    }
}

void Game::stepPlaySeconds(std::uint32_t now) {
    if (!state_.clockRunning) {
        state_.secondsStamp = now;
        state_.clockRunning = 1;
    }
    const std::uint32_t elapsed = now - state_.secondsStamp;
    if (elapsed > 1000) {
        state_.stats.gameSeconds += static_cast<std::int32_t>(elapsed / 1000);
        state_.secondsStamp = now;
    }
}

}  // namespace tintfall
