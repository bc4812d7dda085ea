#pragma once
// The engine's view of its clock and host: every reading that can change
// how the game goes (clock, calendar, dates, answers, best score) passes
// through here into the replay recorder; drawing and sounds pass straight on.
#include <cstdint>
#include <string>

#include "engine/GameHost.h"
#include "engine/ReplayRecorder.h"
#include "platform/Clock.h"

namespace tintfall {

class RecordedClock {
public:
    RecordedClock(Clock& clock, ReplayRecorder& recorder) : clock_(clock), recorder_(recorder) {}
    std::uint32_t milliseconds() {
        const std::uint32_t now = clock_.milliseconds();
        recorder_.reading(now);
        return now;
    }
    void sleep(std::uint32_t ms) {
        recorder_.sleep(ms);
        clock_.sleep(ms);
    }
    std::int64_t calendarSeconds() {
        const std::int64_t seconds = clock_.calendarSeconds();
        recorder_.calendar(seconds);
        return seconds;
    }

private:
    Clock& clock_;
    ReplayRecorder& recorder_;
};

class RecordedHost {
public:
    RecordedHost(GameHost& host, ReplayRecorder& recorder) : host_(host), recorder_(recorder) {}

    void redraw() { host_.redraw(); }
    void drawPieceMove() { host_.drawPieceMove(); }
    void refreshPanel() { host_.refreshPanel(); }
    void drawCell(int column, int row, CellImage image, int frame) { host_.drawCell(column, row, image, frame); }
    void drawFieldBackgroundCell(int column, int row) { host_.drawFieldBackgroundCell(column, row); }
    void drawCoverCell(int column, int row) { host_.drawCoverCell(column, row); }
    void showField() { host_.showField(); }
    void playSound(SoundEvent event, int slot) { host_.playSound(event, slot); }
    void showWinnerMessage() { host_.showWinnerMessage(); }
    std::int32_t qualifyingScore(std::int32_t mode) { return host_.qualifyingScore(mode); }
    void recordResult(const GameResult& result) { host_.recordResult(result); }

    bool askYesNo(const std::string& text) {
        const bool yes = host_.askYesNo(text);
        recorder_.answer(yes);
        return yes;
    }
    std::string dateTimeText() {
        std::string text = host_.dateTimeText();
        recorder_.dateText(text);
        return text;
    }
    std::int32_t bestLocalScore(std::int32_t mode) {
        const std::int32_t score = host_.bestLocalScore(mode);
        recorder_.bestScore(score);
        return score;
    }

private:
    GameHost& host_;
    ReplayRecorder& recorder_;
};

}  // namespace tintfall
