#include "engine/Game.h"

#include "engine/PlayedRules.h"

namespace tintfall {

Game::Game(GameState& state, GameSettings& settings, GameHost& host, Clock& clock)
    : state_(state), settings_(settings), host_(host, recorder_), clock_(clock, recorder_) {}

std::int32_t Game::nextRandom() { return state_.random.next(); }

void Game::seedRandom() { state_.random.seed(clock_.calendarSeconds()); }

std::int32_t Game::colourCount() const { return playedColourCount(settings_); }

std::int32_t Game::normalKind() const { return playedBlockCountCode(settings_); }

std::int32_t Game::randomColour() { return nextRandom() % colourCount(); }

void Game::wait(std::int32_t ms) {
    // Delays come from the options file unchecked; keep them to 0..1000 ms.
    if (ms < 0) ms = 0;
    if (ms > 1000) ms = 1000;
    clock_.sleep(static_cast<std::uint32_t>(ms));
}

void Game::play(SoundEvent event) { host_.playSound(event, shownSoundSlot(event)); }

}  // namespace tintfall
