#pragma once
// The clock and host of a game re-run from its replay: each reading the
// engine makes is answered from the event stream, and must be the next event
// there, of the same kind; anything else puts the replay out of step. The
// feed also keeps the pace check: the clock may not run slower than the
// ticks and waits it saw allow.
#include <cstdint>
#include <optional>
#include <string>

#include "engine/GameHost.h"
#include "engine/ReplayEvents.h"
#include "platform/Clock.h"
#include "scores/ScoreEntry.h"

namespace tintfall {

// The pace check, per stretch of play between a game's start or load and
// the next. The window's timer ticks on a fixed grid, kReplayTickPeriod ms
// apart, and skips the ticks it is late for; a wait lasts at least its
// length. So the start of tick n is at least max(start of tick n-1 + the
// waits made in it, n - 1 periods after the first): the clock must show at
// least that much, less what the clock's and the timer's granularity (and a
// slightly fast timer) can take off.
inline constexpr std::int64_t kReplayTickPeriod = 20;
inline constexpr std::int64_t kReplayPaceSlackMs = 250;
inline constexpr std::int64_t kReplayPaceSlackPercent = 5;
// Waits shorter than the system timer's granularity may end early.
inline constexpr std::uint32_t kReplayShortestCountedWait = 16;
// The calendar must follow the clock within this much, plus the same share.
inline constexpr std::int64_t kReplayCalendarSlackSeconds = 2;

class ReplayFeed : public Clock, public GameHost {
public:
    // presentation: where drawing and sounds go (none: nowhere); pacing: the
    // clock that really waits out the animations (none: no waiting).
    ReplayFeed(ReplayEventReader& events, GameHost* presentation, Clock* pacing)
        : events_(events), presentation_(presentation), pacing_(pacing) {}

    // Before each gameStep; a tick event may bring the first reading with it.
    void tickStarts(std::optional<std::uint32_t> reading);
    bool tickReadingTaken() const { return !tickReading_; }
    // A game starts or a saved one is loaded: the clock starts over.
    void newStretch();
    void fail(const std::string& reason);

    bool failed() const { return !failure_.empty(); }
    const std::string& failure() const { return failure_; }
    const std::optional<ScoreEntry>& result() const { return result_; }
    std::uint64_t ticks() const { return ticks_; }
    // Milliseconds of clock over every stretch so far.
    std::int64_t clockMilliseconds() const { return clockBefore_ + stretchElapsed_; }
    std::uint32_t now() const { return now_; }

    std::uint32_t milliseconds() override;
    void sleep(std::uint32_t ms) override;
    std::int64_t calendarSeconds() override;
    LocalTime localTime() override { return {}; }

    void redraw() override { if (presentation_) presentation_->redraw(); }
    void drawPieceMove() override { if (presentation_) presentation_->drawPieceMove(); }
    void refreshPanel() override { if (presentation_) presentation_->refreshPanel(); }
    void drawCell(int column, int row, CellImage image, int frame) override {
        if (presentation_) presentation_->drawCell(column, row, image, frame);
    }
    void drawFieldBackgroundCell(int column, int row) override {
        if (presentation_) presentation_->drawFieldBackgroundCell(column, row);
    }
    void drawCoverCell(int column, int row) override { if (presentation_) presentation_->drawCoverCell(column, row); }
    void showField() override { if (presentation_) presentation_->showField(); }
    void playSound(SoundEvent event, int slot) override { if (presentation_) presentation_->playSound(event, slot); }
    bool askYesNo(const std::string& text) override;
    // A replay shows no box and plays no question.
    void showWinnerMessage() override {}
    std::string dateTimeText() override;
    std::int32_t bestLocalScore(std::int32_t mode) override;
    // Every re-run game hands over its result.
    std::int32_t qualifyingScore(std::int32_t) override { return INT32_MIN; }
    void recordResult(const GameResult& result) override { result_ = result; }

private:
    // The next event must be this reading; false (and the feed failed) if not.
    bool expect(ReplayTag tag);
    // After reading a value: false (and the feed failed) when the stream ended.
    bool read();
    void checkPace();

    ReplayEventReader& events_;
    GameHost* presentation_;
    Clock* pacing_;
    std::string failure_;
    std::optional<ScoreEntry> result_;
    std::optional<std::uint32_t> tickReading_;
    std::uint32_t now_ = 0;
    std::uint64_t ticks_ = 0;
    // The current stretch.
    bool stretchClockSeen_ = false;
    std::uint64_t stretchFirstTick_ = 0;
    std::int64_t stretchElapsed_ = 0;
    std::int64_t stretchFloor_ = 0;    // the least time to the start of this tick
    std::int64_t waitsThisTick_ = 0;
    bool stretchCalendarSeen_ = false;
    std::int64_t stretchCalendarStart_ = 0;
    std::int64_t stretchCalendarClock_ = 0;
    std::int64_t clockBefore_ = 0;
};

}  // namespace tintfall
