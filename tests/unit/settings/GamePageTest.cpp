#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "tests/support/FakeControls.h"
#include "resources/dialog_ids.h"
#include "settings/CGameOpt.h"
#include "settings/GameSettings.h"
#include "tests/unit/settings/FakePageServices.h"

namespace tintfall {
namespace {

const int kRuleControls[] = {IDC_MODE_CLASSIC,     IDC_MODE_TIMER,      IDC_MODE_RISING, IDC_DIFFICULTY_EASY,
                             IDC_DIFFICULTY_NORMAL, IDC_DIFFICULTY_HARD, IDC_BLOCKS_ONE,  IDC_BLOCKS_TWO,
                             IDC_BLOCKS_THREE,     IDC_BOMBS,           IDC_START_LEVEL};

// The five rules the page edits: mode, colours, block code, bombs, start level.
using Rules = std::array<std::int32_t, 5>;
Rules rulesOf(const CGameOpt& page) {
    return {page.gameMode, page.colourCount, page.blockCountCode, page.bombsEnabled, page.startLevelIndex};
}

struct GamePage : ::testing::Test {
    CGameOpt page;
    FakeControls controls;
    FakePageServices services;

    void click(int id) {
        controls.tick(id, true);
        page.onControl(controls, services, id, ControlEvent::Clicked);
    }
    void type(int id, const std::string& text) {
        controls.type(id, text);
        page.onControl(controls, services, id, ControlEvent::TextChanged);
    }
};

TEST_F(GamePage, OpeningShowsTheCopiesInTheControls) {
    page.gameMode = Rising;
    page.colourCount = 6;
    page.blockCountCode = 1;
    page.bombsEnabled = 0;
    page.startLevelIndex = 19;
    page.demolitionDelay = 0;
    page.levelAnimationDelay = 1000;
    page.onInit(controls);

    EXPECT_TRUE(controls.isChecked(IDC_MODE_RISING));
    EXPECT_FALSE(controls.isChecked(IDC_MODE_CLASSIC));
    EXPECT_TRUE(controls.isChecked(IDC_DIFFICULTY_HARD));
    EXPECT_FALSE(controls.isChecked(IDC_DIFFICULTY_NORMAL));
    EXPECT_TRUE(controls.isChecked(IDC_BLOCKS_TWO));
    EXPECT_FALSE(controls.isChecked(IDC_BOMBS));
    const auto& levels = controls.control(IDC_START_LEVEL);
    ASSERT_EQ(levels.items.size(), 20u);
    EXPECT_EQ(levels.items.front(), "Level 1");
    EXPECT_EQ(levels.items[9], "Level 10");
    EXPECT_EQ(levels.items.back(), "Level 20");
    EXPECT_EQ(levels.selection, 19);
    for (int spin : {IDC_DEMOLITION_SPIN, IDC_LEVEL_ANIMATION_SPIN}) {
        EXPECT_EQ(controls.control(spin).spinLow, 0);
        EXPECT_EQ(controls.control(spin).spinHigh, 1000);
    }
    EXPECT_EQ(controls.text(IDC_DEMOLITION_EDIT), "0");
    EXPECT_EQ(controls.control(IDC_DEMOLITION_SPIN).spinPosition, 0);
    EXPECT_EQ(controls.text(IDC_LEVEL_ANIMATION_EDIT), "1000");
    EXPECT_EQ(controls.control(IDC_LEVEL_ANIMATION_SPIN).spinPosition, 1000);
    for (int id : kRuleControls) EXPECT_TRUE(controls.enabled(id)) << id;
}

TEST_F(GamePage, DuringAGameOnlyTheDelaysStayEditable) {
    page.gameRunning = 1;
    page.gameMode = Timer;
    page.onInit(controls);
    for (int id : kRuleControls) EXPECT_FALSE(controls.enabled(id)) << id;
    EXPECT_TRUE(controls.isChecked(IDC_MODE_TIMER));  // shown, though greyed
    EXPECT_TRUE(controls.enabled(IDC_DEMOLITION_EDIT));
    EXPECT_TRUE(controls.enabled(IDC_LEVEL_ANIMATION_EDIT));

    type(IDC_DEMOLITION_EDIT, "200");
    ASSERT_TRUE(page.onOk(controls));
    EXPECT_EQ(page.demolitionDelay, 200);
    EXPECT_EQ(page.gameMode, Timer);
}

TEST_F(GamePage, BlockButtonsRunOppositeToTheStoredCode) {
    page.onInit(controls);
    EXPECT_TRUE(controls.isChecked(IDC_BLOCKS_THREE));  // code 0
    click(IDC_BLOCKS_ONE);
    EXPECT_FALSE(controls.isChecked(IDC_BLOCKS_THREE));
    ASSERT_TRUE(page.onOk(controls));
    EXPECT_EQ(page.blockCountCode, 2);

    CGameOpt other;
    FakeControls otherControls;
    other.blockCountCode = 2;
    other.onInit(otherControls);
    EXPECT_TRUE(otherControls.isChecked(IDC_BLOCKS_ONE));
    otherControls.tick(IDC_BLOCKS_THREE, true);
    other.onControl(otherControls, services, IDC_BLOCKS_THREE, ControlEvent::Clicked);
    ASSERT_TRUE(other.onOk(otherControls));
    EXPECT_EQ(other.blockCountCode, 0);
}

TEST_F(GamePage, OkTakesEveryChoice) {
    page.onInit(controls);
    click(IDC_MODE_TIMER);
    click(IDC_DIFFICULTY_EASY);
    click(IDC_BLOCKS_TWO);
    controls.tick(IDC_BOMBS, false);
    controls.selectListItem(IDC_START_LEVEL, 4);
    type(IDC_LEVEL_ANIMATION_EDIT, "17");
    ASSERT_TRUE(page.onOk(controls));
    EXPECT_EQ(rulesOf(page), (Rules{Timer, 4, 1, 0, 4}));
    EXPECT_EQ(page.levelAnimationDelay, 17);
    EXPECT_EQ(page.demolitionDelay, 50);
}

TEST_F(GamePage, CodesOutOfRangeShowWhatIsPlayedAndStayUntilTheirGroupIsClicked) {
    page.gameMode = 5;
    page.colourCount = 7;
    page.blockCountCode = -3;
    page.bombsEnabled = 4;
    page.startLevelIndex = 25;
    page.onInit(controls);
    EXPECT_TRUE(controls.isChecked(IDC_MODE_CLASSIC));
    EXPECT_TRUE(controls.isChecked(IDC_DIFFICULTY_NORMAL));
    EXPECT_TRUE(controls.isChecked(IDC_BLOCKS_THREE));
    click(IDC_MODE_CLASSIC);
    click(IDC_MODE_RISING);
    click(IDC_DIFFICULTY_NORMAL);  // the button already shown
    ASSERT_TRUE(page.onOk(controls));
    EXPECT_EQ(rulesOf(page), (Rules{Rising, Normal, -3, 4, 25}));
}

TEST_F(GamePage, DuringAGameOkStoresNoRule) {
    page.gameRunning = 1;
    page.colourCount = 7;
    page.onInit(controls);
    // Greyed controls send nothing; even if they did, the rules stay.
    click(IDC_DIFFICULTY_EASY);
    click(IDC_MODE_TIMER);
    controls.tick(IDC_BOMBS, false);
    controls.selectListItem(IDC_START_LEVEL, 3);
    ASSERT_TRUE(page.onOk(controls));
    EXPECT_EQ(rulesOf(page), (Rules{Classic, 7, 0, 1, 0}));
}

TEST_F(GamePage, TypedDelayMovesTheSpin) {
    page.onInit(controls);
    type(IDC_DEMOLITION_EDIT, "999");
    EXPECT_EQ(controls.control(IDC_DEMOLITION_SPIN).spinPosition, 999);
    EXPECT_TRUE(controls.messages().empty());
}

TEST_F(GamePage, ArrowsStepTheBoxWithinTheRange) {
    page.demolitionDelay = 999;
    page.onInit(controls);
    for (int step = 0; step < 3; ++step) {
        controls.stepSpin(IDC_DEMOLITION_SPIN, +1);
        page.onControl(controls, services, IDC_DEMOLITION_SPIN, ControlEvent::SpinMoved);
    }
    EXPECT_EQ(controls.text(IDC_DEMOLITION_EDIT), "1000");
    controls.stepSpin(IDC_DEMOLITION_SPIN, -1);
    page.onControl(controls, services, IDC_DEMOLITION_SPIN, ControlEvent::SpinMoved);
    EXPECT_EQ(controls.text(IDC_DEMOLITION_EDIT), "999");
    EXPECT_EQ(controls.text(IDC_LEVEL_ANIMATION_EDIT), "8");
    ASSERT_TRUE(page.onOk(controls));
    EXPECT_EQ(page.demolitionDelay, 999);
}

TEST_F(GamePage, BadDelayIsRefusedAndThePreviousValueStays) {
    page.demolitionDelay = 40;
    page.onInit(controls);
    for (const char* bad : {"", "abc", "12x", "-1", "1001", "99999999999", " 5", "4.5"}) {
        controls.clearMessages();
        type(IDC_DEMOLITION_EDIT, bad);
        ASSERT_EQ(controls.messages().size(), 1u) << bad;
        EXPECT_EQ(controls.messages()[0].kind, FakeControls::Message::Error);
        EXPECT_EQ(controls.messages()[0].text, "ERROR! Please enter a whole number from 0 to 1000.");
        EXPECT_EQ(controls.text(IDC_DEMOLITION_EDIT), "40") << bad;
        EXPECT_EQ(controls.control(IDC_DEMOLITION_SPIN).spinPosition, 40);
    }
    controls.clearMessages();
    type(IDC_DEMOLITION_EDIT, "1000");
    EXPECT_TRUE(controls.messages().empty());
    type(IDC_DEMOLITION_EDIT, "0");
    EXPECT_TRUE(controls.messages().empty());
}

TEST_F(GamePage, BadDelayOnOkKeepsTheSheetOpenAndTheCopies) {
    page.levelAnimationDelay = 8;
    page.onInit(controls);
    click(IDC_MODE_RISING);
    controls.type(IDC_LEVEL_ANIMATION_EDIT, "fast");  // no change notice: read on OK only
    EXPECT_FALSE(page.onOk(controls));
    ASSERT_EQ(controls.messages().size(), 1u);
    EXPECT_EQ(page.levelAnimationDelay, 8);
    EXPECT_EQ(page.gameMode, Classic);  // nothing copied from a refused OK
    EXPECT_EQ(controls.text(IDC_LEVEL_ANIMATION_EDIT), "8");
    EXPECT_TRUE(page.onOk(controls));
    EXPECT_EQ(page.gameMode, Rising);
}

TEST(DelayParsing, AcceptsExactlyTheWholeNumbersOfTheRange) {
    EXPECT_EQ(parseDelay("0"), 0);
    EXPECT_EQ(parseDelay("1000"), 1000);
    EXPECT_EQ(parseDelay("0050"), 50);
    EXPECT_FALSE(parseDelay("1001"));
    EXPECT_FALSE(parseDelay(""));
    EXPECT_FALSE(parseDelay("+5"));
    EXPECT_FALSE(parseDelay("1,000"));
    EXPECT_FALSE(parseDelay(std::string(400, '9')));
}

}  // namespace
}  // namespace tintfall
