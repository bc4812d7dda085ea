#include "engine/ReplayPlayer.h"

namespace tintfall {

ReplayPlayer::ReplayPlayer(const std::vector<std::uint8_t>& events, GameHost* presentation, Clock* pacing)
    : events_(events.data(), events.size()),
      feed_(events_, presentation, pacing),
      game_(state_, settings_, feed_, feed_) {
    game_.setRecording(false);
}

void ReplayPlayer::fail(const std::string& reason) {
    feed_.fail(reason);
    over_ = true;
}

void ReplayPlayer::readRules() {
    ReplayRulesRecord rules;
    for (std::int32_t& v : rules.values) v = events_.int32();
    for (std::int32_t& v : rules.keyDelay) v = events_.int32();
    for (std::int32_t& v : rules.keyCode) v = events_.int32();
    applyReplayRules(rules, settings_);
}

void ReplayPlayer::readFlags() {
    state_.notPaused = events_.int32();
    state_.appActive = events_.int32();
    state_.clockRunning = events_.int32();
    for (KeyTracker& key : state_.keys) {
        key.held = events_.int32();
        key.repeatPhase = events_.int32();
        key.pressTime = static_cast<std::uint32_t>(events_.number());
        key.tapped = events_.int32();
    }
}

void ReplayPlayer::tick(std::optional<std::uint32_t> reading) {
    feed_.tickStarts(reading);
    game_.gameStep();
    if (!feed_.tickReadingTaken()) fail("out of step: a tick that read no clock carries a reading");
}

bool ReplayPlayer::carryOut(std::uint8_t tag) {
    lastWasTick_ = tag == ReplayTick || tag == ReplayIdleTicks || tag >= kReplayTickWithReading;
    if (tag >= kReplayTickWithReading) {
        tick(static_cast<std::uint32_t>(tag & ~kReplayTickWithReading));
        return true;
    }
    switch (tag) {
        case ReplayBegin:
            readRules();
            state_.gameRunning = events_.int32();
            readFlags();
            if (!events_.ok()) return false;
            feed_.newStretch();
            game_.newGame();
            return true;
        case ReplayTick: tick(std::nullopt); return true;
        case ReplayIdleTicks: {
            const std::uint64_t count = events_.number();
            if (count > kReplayMaxSteps - steps_) {
                fail("too long: more than " + std::to_string(kReplayMaxSteps) + " steps");
                return true;
            }
            steps_ += count;
            for (std::uint64_t i = 0; i < count && !feed_.failed() && !feed_.result(); ++i) tick(std::nullopt);
            return true;
        }
        case ReplayKeyMessage: {
            const bool down = events_.int32() != 0;
            const std::int32_t key = events_.int32();
            if (events_.ok()) game_.preTranslateKey(down, key);
            return true;
        }
        case ReplayKeyDown: return withValue([this](std::int32_t key) { game_.onKeyDown(key); });
        case ReplayStartStop:
            return withValue([this](std::int32_t caller) {
                game_.startOrStop(caller == 1 ? StartStopCaller::PanelButton : StartStopCaller::Menu);
            });
        case ReplayTogglePause: game_.togglePause(); return true;
        case ReplaySuspend: game_.suspendForModal(); return true;
        case ReplayResume: return withValue([this](std::int32_t notPaused) { game_.resumeAfterModal(notPaused); });
        case ReplayAppActive: return withValue([this](std::int32_t active) { game_.setAppActive(active != 0); });
        case ReplayLoaded: {
            // The game goes on from where its replay so far left it, which is
            // what its saved file holds, with the loading run's flags.
            readRules();
            readFlags();
            if (!events_.ok()) return false;
            feed_.newStretch();
            const GameState loaded = state_;
            game_.continueLoadedGame(loaded, settings_);
            return true;
        }
        case ReplayRules: readRules(); return true;
        default: return false;
    }
}

bool ReplayPlayer::step() {
    if (over_) return false;
    if (events_.atEnd()) {
        fail(begun_ ? "the replay ends before its game does" : "an empty replay");
        return false;
    }
    if (++steps_ > kReplayMaxSteps) {
        fail("too long: more than " + std::to_string(kReplayMaxSteps) + " steps");
        return false;
    }
    const std::size_t at = events_.position();
    const std::uint8_t tag = events_.byte();
    if (!begun_ && tag != ReplayBegin) {
        fail("not the replay of a whole game: it does not start with one");
        return false;
    }
    if (begun_ && tag == ReplayBegin) {
        fail("a second game starts at byte " + std::to_string(at));
        return false;
    }
    begun_ = true;
    if (!carryOut(tag)) {
        fail(isReplayCommand(tag) ? "a command cut short at byte " + std::to_string(at)
                                  : "out of step: a reading the game did not make at byte " + std::to_string(at));
        return false;
    }
    if (!events_.ok()) {
        fail("the replay is cut short");
        return false;
    }
    if (feed_.failed()) {
        over_ = true;
        return false;
    }
    if (feed_.result()) {
        over_ = true;
        if (!events_.atEnd()) fail("events after the end of the game at byte " + std::to_string(events_.position()));
        return false;
    }
    return true;
}

bool ReplayPlayer::stepTick() {
    while (step())
        if (lastWasTick_) return true;
    return false;
}

void ReplayPlayer::runToEnd() {
    while (step()) {
    }
}

}  // namespace tintfall
