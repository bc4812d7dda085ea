#include "tests/support/RecordedGame.h"

#include "engine/GameRecord.h"
#include "tests/support/RandomPlayer.h"

namespace tintfall {

RecordedGame playRecordedGame(std::uint32_t seed, std::uint32_t tickMilliseconds, bool dropPieces) {
    GameDriver driver;
    driver.host().nameAnswers.push_back(std::nullopt);
    driver.pressStartStop();
    RandomPlayer player(seed, dropPieces);
    for (int tick = 0; tick < 100000 && driver.state().gameRunning; ++tick) {
        player(driver);
        driver.clock().advance(tickMilliseconds);
        driver.game().gameStep();
    }
    return {makeGameResult(driver.state(), driver.settings()), driver.game().finishedReplay()};
}

}  // namespace tintfall
