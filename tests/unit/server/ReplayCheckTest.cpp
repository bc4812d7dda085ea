#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "engine/ReplayEvents.h"
#include "engine/ReplayFile.h"
#include "server/judge/ReplayCheck.h"
#include "tests/support/RecordedGame.h"

using namespace tintfall;

namespace {

RecordedGame play(std::uint32_t tickMilliseconds = GameDriver::kTickMilliseconds, bool dropPieces = true) {
    return playRecordedGame(11, tickMilliseconds, dropPieces);
}

std::vector<std::uint8_t> keyPress(std::int32_t keyCode) {
    std::vector<std::uint8_t> bytes{ReplayKeyMessage, 2};
    putReplaySigned(bytes, keyCode);
    bytes.push_back(ReplayKeyDown);
    putReplaySigned(bytes, keyCode);
    return bytes;
}

std::size_t find(const std::vector<std::uint8_t>& in, const std::vector<std::uint8_t>& what, std::size_t from = 0) {
    const auto at = std::search(in.begin() + static_cast<std::ptrdiff_t>(from), in.end(), what.begin(), what.end());
    EXPECT_NE(at, in.end());
    return static_cast<std::size_t>(at - in.begin());
}

void erase(std::vector<std::uint8_t>& in, std::size_t at, std::size_t count) {
    in.erase(in.begin() + static_cast<std::ptrdiff_t>(at), in.begin() + static_cast<std::ptrdiff_t>(at + count));
}

struct Forgery {
    const char* name;
    // Changes the row as sent, the event stream, or the file itself.
    std::function<void(ScoreEntry& row, std::vector<std::uint8_t>& events)> forgeGame;
    std::function<void(std::vector<std::uint8_t>& file)> forgeFile;
    const char* reason;  // empty: verified
};

const std::int32_t kLeft = kDefaultKeyCodes[MoveLeft];

const Forgery kForgeries[] = {
    {"honest", nullptr, nullptr, ""},
    {"honest, every piece left to fall",
     [](ScoreEntry& row, std::vector<std::uint8_t>& events) {
         const RecordedGame falling = play(GameDriver::kTickMilliseconds, false);
         row = falling.row;
         events = falling.events;
     },
     nullptr, ""},
    {"score edited", [](ScoreEntry& row, auto&) { row.score += 1000; }, nullptr, "the row's score is not the replay's"},
    {"level edited", [](ScoreEntry& row, auto&) { row.level += 1; }, nullptr, "the row's level is not the replay's"},
    {"an input removed",
     [](auto&, std::vector<std::uint8_t>& events) {
         const auto press = keyPress(kLeft);
         erase(events, find(events, press, find(events, press) + 1), press.size());
     },
     nullptr, "out of step"},
    {"an input moved after the next drop",
     [](auto&, std::vector<std::uint8_t>& events) {
         const auto press = keyPress(kLeft);
         const std::size_t at = find(events, press, find(events, press) + 1);
         erase(events, at, press.size());
         const auto drop = keyPress(kDefaultKeyCodes[DropBottom]);
         const std::size_t later = find(events, drop, at) + drop.size();
         events.insert(events.begin() + static_cast<std::ptrdiff_t>(later), press.begin(), press.end());
     },
     nullptr, "out of step"},
    {"the seed changed",
     [](auto&, std::vector<std::uint8_t>& events) {
         std::vector<std::uint8_t> seed{ReplayCalendar};
         putReplaySigned(seed, GameDriver::kDefaultCalendarSeconds);
         std::vector<std::uint8_t> other{ReplayCalendar};
         putReplaySigned(other, GameDriver::kDefaultCalendarSeconds + 1);
         std::copy(other.begin(), other.end(), events.begin() + static_cast<std::ptrdiff_t>(find(events, seed)));
     },
     nullptr, "out of step"},
    {"the clock stretched", [](ScoreEntry& row, std::vector<std::uint8_t>& events) {
         const RecordedGame slowed = play(12, false);
         row = slowed.row;
         events = slowed.events;
     },
     nullptr, "the clock runs slower than the game's pace"},
    {"the last event cut short", [](auto&, std::vector<std::uint8_t>& events) { events.resize(events.size() - 1); },
     nullptr, "cut short"},
    {"the last third cut off", [](auto&, std::vector<std::uint8_t>& events) { events.resize(events.size() * 2 / 3); },
     nullptr, "out of step"},
    {"the file truncated", nullptr, [](std::vector<std::uint8_t>& file) { file.resize(file.size() / 2); },
     "does not expand to its stated size"},
    {"oversized", nullptr, [](std::vector<std::uint8_t>& file) { file.resize(kReplayMaxFileBytes + 1); },
     "oversized"},
    {"a decompression bomb", nullptr,
     [](std::vector<std::uint8_t>& file) {
         // Stated as 4 GiB; a copy token repeated makes it so.
         file.resize(10);
         file[6] = file[7] = file[8] = file[9] = 0xFF;
         file.insert(file.end(), {0x00, 0x02});
         for (int i = 0; i < 1000; ++i) file.insert(file.end(), {0xFF, 0x01, 0x00});
     },
     "expands past the limit"},
    {"more than it states", nullptr,
     [](std::vector<std::uint8_t>& file) { file.insert(file.end(), {0xFF, 0x01, 0x00}); },
     "does not expand to its stated size"},
};

class ForgedReplay : public testing::TestWithParam<Forgery> {};

TEST_P(ForgedReplay, IsRefusedWithItsReason) {
    const Forgery& forgery = GetParam();
    RecordedGame game = play();
    ASSERT_GT(game.row.score, 0);
    if (forgery.forgeGame) forgery.forgeGame(game.row, game.events);
    std::vector<std::uint8_t> file = encodeReplayFile(game.events);
    if (forgery.forgeFile) forgery.forgeFile(file);

    const ReplayVerdict verdict = checkRowReplay(game.row, file);
    EXPECT_EQ(verdict.verified, forgery.reason[0] == '\0') << verdict.refusal;
    EXPECT_NE(verdict.refusal.find(forgery.reason), std::string::npos) << verdict.refusal;
}

INSTANTIATE_TEST_SUITE_P(Replays, ForgedReplay, testing::ValuesIn(kForgeries),
                         [](const testing::TestParamInfo<Forgery>& info) { return std::to_string(info.index); });

}  // namespace
