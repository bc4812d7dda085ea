#include "engine/Game.h"
#include "engine/LevelTable.h"
#include "engine/Scoring.h"

namespace tintfall {

void Game::advanceLevel() {
    const std::int32_t level = state_.level + 1;
    const LevelRow& row = levelRow(level);
    state_.level = level;
    state_.fallInterval = row.fallInterval;
    state_.blocksToClear = row.quota;

    if (state_.timeLeft != -1) {
        if (level == 1) {
            state_.timeLeft = 180;
            state_.timerStamp = clock_.milliseconds();
            state_.clockRunning = 1;
        } else {
            state_.timeLeft += 15;
            if (state_.timeLeft > kMaxTimeLeft) state_.timeLeft = kMaxTimeLeft;
        }
    }
    if (state_.riseCountdown != -1) state_.riseCountdownMax = state_.riseCountdown = row.riseCountdown;
}

}  // namespace tintfall
