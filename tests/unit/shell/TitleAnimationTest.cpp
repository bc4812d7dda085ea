#include <gtest/gtest.h>

#include <initializer_list>
#include <numeric>
#include <utility>

#include "shell/TitleAnimation.h"

using namespace tintfall;

namespace {

const std::string& frameText(int index) { return titleFrames()[static_cast<std::size_t>(index)].text; }

// The wait after each frame: the interval last set at or before it.
std::vector<std::uint32_t> waitsOfOneCycle() {
    std::vector<std::uint32_t> waits;
    std::uint32_t interval = kTitleStartInterval;
    for (const TitleFrame& frame : titleFrames()) {
        if (frame.interval) interval = *frame.interval;
        waits.push_back(interval);
    }
    return waits;
}

std::string leading(int count, const std::string& text) { return std::string(static_cast<std::size_t>(count), ' ') + text; }

// Each listed frame shows its text.
void expectFrames(std::initializer_list<std::pair<int, std::string>> frames) {
    for (const auto& [index, text] : frames) EXPECT_EQ(frameText(index), text) << "frame " << index;
}

// The wait after each listed frame.
void expectWaits(std::initializer_list<std::pair<int, std::uint32_t>> waits) {
    const auto all = waitsOfOneCycle();
    for (const auto& [index, wait] : waits) EXPECT_EQ(all[static_cast<std::size_t>(index)], wait) << "after frame " << index;
}

}  // namespace

TEST(TitleFrames, OneCycleHas205FramesTaking36Point9Seconds) {
    ASSERT_EQ(titleFrames().size(), 205u);
    const auto waits = waitsOfOneCycle();
    EXPECT_EQ(std::accumulate(waits.begin(), waits.end(), 0u), 36900u);
    EXPECT_EQ(titleFrames()[0].interval, std::optional<std::uint32_t>(100));
    EXPECT_EQ(waits[204], 2000u);
}

TEST(TitleFrames, TheNameSpreadsAndClosesGapByGap) {
    EXPECT_EQ(frameText(0).size(), 48u);
    expectFrames({{0, "     T     i     n     t     f     a     l     l"},
                  {5, "T     i     n     t     f     a     l     l"},
                  {6, "T    i     n     t     f     a     l     l"},
                  {9, "T i     n     t     f     a     l     l"},
                  {10, "Ti     n     t     f     a     l     l"},
                  {11, "Ti    n     t     f     a     l     l"},
                  {39, "Tintfal l"},
                  {40, "Tintfall"},
                  {43, "   Tintfall"}});
}

TEST(TitleFrames, PlainNameHeldThreeSecondsAtFrames40And195) {
    expectFrames({{40, "Tintfall"}, {195, "Tintfall"}});
    expectWaits({{40, 3000}, {41, 100}, {195, 3000}, {196, 100}});
}

TEST(TitleFrames, WordGameKeepsItsWidthsAndMovements) {
    for (int f = 44; f <= 58; ++f) EXPECT_EQ(frameText(f).size(), 24u) << f;
    EXPECT_EQ(frameText(64).size(), 24u);
    for (int f = 59; f <= 63; ++f) EXPECT_EQ(frameText(f).size(), frameText(f - 1).size() - 1) << f;
    for (int f = 65; f <= 76; ++f) EXPECT_EQ(frameText(f).size(), frameText(f - 1).size() - 1) << f;

    // The suffix enters at column 24 and one letter is visible at first.
    EXPECT_EQ(frameText(44).substr(0, 12), leading(4, "Tintfall"));
    EXPECT_NE(frameText(44)[23], ' ');
    EXPECT_EQ(frameText(44)[22], ' ');
    EXPECT_EQ(frameText(45).substr(0, 13), leading(5, "Tintfall"));
    EXPECT_NE(frameText(45)[22], ' ');
    // Frame 52: name and suffix joined into a 10-letter word after 7 spaces.
    const std::string word = frameText(52).substr(7, 10);
    EXPECT_EQ(frameText(52), leading(7, word) + std::string(7, ' '));
    EXPECT_EQ(word.substr(0, 8), "Tintfall");
    EXPECT_EQ(word.find(' '), std::string::npos);
    // Frame 57: the last five letters lead.
    EXPECT_EQ(frameText(57).substr(7, 10), word.substr(5) + word.substr(0, 5));
    EXPECT_EQ(frameText(58), leading(6, word.substr(5) + " " + word.substr(0, 5)) + std::string(7, ' '));
    EXPECT_EQ(frameText(63), leading(1, word.substr(5) + " " + word.substr(0, 5)) + std::string(7, ' '));

    // Frame 76: the 12-character phrase alone, 5 and 6 letters.
    const std::string phrase = frameText(76);
    ASSERT_EQ(phrase.size(), 12u);
    EXPECT_EQ(phrase[5], ' ');
    EXPECT_EQ(phrase.substr(0, 11), word.substr(5) + " " + word.substr(0, 5));
    EXPECT_EQ(frameText(64).back(), phrase.back());
    EXPECT_EQ(frameText(64).substr(0, 11), phrase.substr(0, 11));

    const auto waits = waitsOfOneCycle();
    EXPECT_EQ(frameText(77), phrase + std::string(6, ' '));
    EXPECT_EQ(waits[77], 3000u);
    EXPECT_EQ(waits[78], 100u);
    EXPECT_EQ(frameText(78), phrase.substr(0, 5) + phrase.substr(6) + std::string(6, ' '));
    EXPECT_EQ(frameText(83), phrase.substr(6) + phrase.substr(0, 5) + std::string(6, ' '));
    EXPECT_EQ(frameText(93), std::string(1, phrase[4]) + std::string(6, ' '));
    for (int f = 44; f <= 93; ++f) {
        if (f == 77) continue;
        EXPECT_EQ(waits[f], 100u) << f;
    }
}

TEST(TitleFrames, HaveFunGrowsBlinksAndVanishesDownToV) {
    expectFrames({{94, "      "},
                  {95, "n      "},
                  {98, " Fun      "},
                  {101, "ave Fun      "},
                  {102, "Have Fun      "},
                  {103, "Have Fun with Tintfall !"},
                  {104, "Have Fun "},
                  {111, "Have Fun with Tintfall !"}});
    expectWaits({{104, 300}, {110, 300}, {111, 2000}, {112, 30}});

    // The four spaces go first, then the letters, until only the 'v' is left.
    expectFrames({{112, "Have Fun withTintfall !"},
                  {113, "Have FunwithTintfall !"},
                  {115, "HaveFunwithTintfall!"},
                  {116, "HaveFunwthTintfall!"},
                  {133, "vl"},
                  {134, "v"},
                  {135, " "}});
    for (int f = 112; f <= 134; ++f) EXPECT_EQ(frameText(f).size(), static_cast<std::size_t>(24 - (f - 111))) << f;
}

TEST(TitleFrames, NameGrowsBouncesAndShrinks) {
    expectFrames({{136, "l"},
                  {143, "Tintfall"},
                  {144, leading(1, "Tintfall")},
                  {156, leading(13, "Tintfall")},
                  {169, "Tintfall"},
                  {176, leading(7, "Tintfall")},
                  {183, "Tintfall"},
                  {187, leading(4, "Tintfall")},
                  {193, leading(2, "Tintfall")},
                  {196, "intfall"},
                  {202, "l"},
                  {203, " "},
                  {204, " "}});
    expectWaits({{139, 40}, {140, 50}, {155, 90}, {156, 100}, {172, 60}, {203, 100}});
}

TEST(TitleStepping, WaitsMoreThanTheIntervalThenShowsTheNextFrame) {
    TitleAnimation title;
    EXPECT_EQ(title.setTitleAnimation(true, 1000), frameText(0));
    EXPECT_FALSE(title.stepTitle(1100).has_value());  // exactly the interval: not yet
    EXPECT_EQ(title.stepTitle(1101), frameText(1));
    EXPECT_EQ(title.titleFrame, 1);
    EXPECT_EQ(title.titleLastStep, 1101u);
    EXPECT_FALSE(title.stepTitle(1150).has_value());
}

TEST(TitleStepping, LongPauseShowsOneFramePerTick) {
    TitleAnimation title;
    title.setTitleAnimation(true, 0);
    EXPECT_EQ(title.stepTitle(60000), frameText(1));
    EXPECT_FALSE(title.stepTitle(60020).has_value());
    EXPECT_EQ(title.stepTitle(60120), frameText(2));
    EXPECT_EQ(title.titleFrame, 2);
}

TEST(TitleStepping, AfterFrame204TheCycleRestartsWithItsFirstInterval) {
    TitleAnimation title;
    title.setTitleAnimation(true, 0);
    std::uint32_t now = 0;
    std::vector<std::string> shown;
    for (int tick = 0; tick < 3000 && shown.size() < 206; ++tick) {
        now += 20;
        if (auto text = title.stepTitle(now)) shown.push_back(*text);
    }
    ASSERT_EQ(shown.size(), 206u);
    EXPECT_EQ(shown[203], frameText(204));
    EXPECT_EQ(shown[204], frameText(0));
    EXPECT_EQ(title.titleFrame, 1);
    EXPECT_EQ(title.titleInterval, 100u);
    for (int i = 0; i < 204; ++i) EXPECT_EQ(shown[static_cast<std::size_t>(i)], frameText(i + 1));
}

TEST(TitleStepping, ACycleOnTwentyMillisecondTicksTakesAtLeastTheIntervals) {
    TitleAnimation title;
    title.setTitleAnimation(true, 0);
    std::uint32_t now = 0;
    int steps = 0;
    while (steps < 205) {
        now += 20;
        if (title.stepTitle(now)) ++steps;
    }
    // Each step waits for the first tick after its interval has passed.
    EXPECT_GT(now, 36900u);
    EXPECT_LE(now, 36900u + 205u * 20u);
    EXPECT_EQ(title.titleFrame, 0);
}

TEST(TitleStepping, OffShowsThePlainNameEveryTenSeconds) {
    TitleAnimation title;
    EXPECT_EQ(title.setTitleAnimation(false, 500), "Tintfall");
    EXPECT_EQ(title.titleInterval, 10000u);
    EXPECT_FALSE(title.stepTitle(10500).has_value());
    EXPECT_EQ(title.stepTitle(10520), "Tintfall");
    EXPECT_EQ(title.titleFrame, 1);
    EXPECT_EQ(title.stepTitle(20540), "Tintfall");
    EXPECT_EQ(title.titleFrame, 0);
    EXPECT_EQ(title.titleInterval, 10000u);
}

TEST(TitleStepping, SwitchingOnRestartsAtFrameZeroAndOffShowsTheName) {
    TitleAnimation title;
    title.setTitleAnimation(true, 0);
    for (std::uint32_t t = 20; t < 20000; t += 20) title.stepTitle(t);
    ASSERT_GT(title.titleFrame, 0);
    EXPECT_EQ(title.setTitleAnimation(false, 20000), "Tintfall");
    EXPECT_EQ(title.titleFrame, 0);
    EXPECT_EQ(title.setTitleAnimation(true, 30000), frameText(0));
    EXPECT_EQ(title.titleInterval, 100u);
    EXPECT_EQ(title.titleLastStep, 30000u);
    EXPECT_EQ(title.stepTitle(30120), frameText(1));
}

TEST(TitleStepping, TheMillisecondClockMayWrap) {
    TitleAnimation title;
    title.setTitleAnimation(true, 0xFFFFFFF0u);
    EXPECT_FALSE(title.stepTitle(0x00000050u).has_value());  // 96 ms later
    EXPECT_EQ(title.stepTitle(0x00000060u), frameText(1));   // 112 ms later
}
