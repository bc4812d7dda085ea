#include <gtest/gtest.h>

#include "tests/support/FakeControls.h"
#include "resources/dialog_ids.h"
#include "settings/CConOpt.h"
#include "tests/unit/settings/FakePageServices.h"

namespace tintfall {
namespace {

struct ControlPage : ::testing::Test {
    CConOpt page;
    FakeControls controls;
    FakePageServices services;

    void click(int id) { page.onControl(controls, services, id, ControlEvent::Clicked); }
    void bind(ControlAction action, std::optional<int> key) {
        services.capturedKeys.push_back(key);
        click(IDC_KEY_BUTTON_FIRST + action);
    }
    std::string shownName(ControlAction action) { return controls.text(IDC_KEY_NAME_FIRST + action); }
    std::string shownDelay(ControlAction action) { return controls.text(IDC_DELAY_EDIT_FIRST + action); }
};

TEST_F(ControlPage, OpeningShowsNamesDelaysAndSpins) {
    page.onInit(controls);
    EXPECT_EQ(shownName(MoveLeft), "Left Arrow");
    EXPECT_EQ(shownName(MoveRight), "Right Arrow");
    EXPECT_EQ(shownName(MoveDown), "Down Arrow");
    EXPECT_EQ(shownName(Rotate), "Up Arrow");
    EXPECT_EQ(shownName(DropBottom), "Space");
    EXPECT_EQ(shownName(PauseGame), "Pause");
    EXPECT_EQ(shownDelay(Rotate), "100");
    EXPECT_EQ(shownDelay(DropBottom), "1000");
    for (int action = 0; action < kPlayActionCount; ++action) {
        const auto& spin = controls.control(IDC_DELAY_SPIN_FIRST + action);
        EXPECT_EQ(spin.spinLow, 0);
        EXPECT_EQ(spin.spinHigh, 1000);
        EXPECT_EQ(spin.spinPosition, page.keyDelay[action]);
    }
}

TEST_F(ControlPage, EscapeInThePromptKeepsTheBinding) {
    page.onInit(controls);
    bind(Rotate, std::nullopt);
    EXPECT_EQ(services.captureCount, 1);
    EXPECT_EQ(page.keyCode[Rotate], 38);
    EXPECT_EQ(shownName(Rotate), "Up Arrow");
}

TEST_F(ControlPage, CapturedKeyIsBoundAndNamedAtOnce) {
    page.onInit(controls);
    bind(DropBottom, 13);
    EXPECT_EQ(page.keyCode[DropBottom], 13);
    EXPECT_EQ(shownName(DropBottom), "Enter");
    bind(PauseGame, 91);
    EXPECT_EQ(page.keyCode[PauseGame], 91);
    EXPECT_EQ(shownName(PauseGame), "Key #91");
}

TEST_F(ControlPage, TwoActionsMayShareAKey) {
    page.onInit(controls);
    bind(MoveLeft, 65);
    bind(Rotate, 65);
    EXPECT_EQ(page.keyCode[MoveLeft], 65);
    EXPECT_EQ(page.keyCode[Rotate], 65);
    EXPECT_TRUE(controls.messages().empty());
}

TEST_F(ControlPage, EachResetTouchesOnlyItsOwnGroup) {
    page.onInit(controls);
    bind(MoveLeft, 65);
    bind(PauseGame, 80);
    for (int action = 0; action < kPlayActionCount; ++action) {
        controls.type(IDC_DELAY_EDIT_FIRST + action, "7");
        page.onControl(controls, services, IDC_DELAY_EDIT_FIRST + action, ControlEvent::TextChanged);
    }

    click(IDC_KEYS_RESET);
    EXPECT_EQ(page.keyCode, kDefaultKeyCodes);
    EXPECT_EQ(shownName(MoveLeft), "Left Arrow");
    EXPECT_EQ(shownName(PauseGame), "Pause");
    for (int action = 0; action < kPlayActionCount; ++action) EXPECT_EQ(shownDelay(ControlAction(action)), "7");

    bind(MoveDown, 83);
    click(IDC_DELAYS_RESET);
    EXPECT_EQ(page.keyCode[MoveDown], 83);
    const char* expected[] = {"50", "50", "50", "100", "1000"};
    for (int action = 0; action < kPlayActionCount; ++action) {
        EXPECT_EQ(shownDelay(ControlAction(action)), expected[action]);
        EXPECT_EQ(controls.control(IDC_DELAY_SPIN_FIRST + action).spinPosition, std::stoi(expected[action]));
    }
    ASSERT_TRUE(page.onOk(controls));
    EXPECT_EQ(page.keyDelay, kDefaultKeyDelays);
}

TEST_F(ControlPage, OkReadsTheDelaysInActionOrder) {
    page.onInit(controls);
    const char* typed[] = {"1", "2", "3", "4", "5"};
    for (int action = 0; action < kPlayActionCount; ++action) controls.type(IDC_DELAY_EDIT_FIRST + action, typed[action]);
    ASSERT_TRUE(page.onOk(controls));
    EXPECT_EQ(page.keyDelay, (std::array<std::int32_t, kPlayActionCount>{1, 2, 3, 4, 5}));
}

TEST_F(ControlPage, ArrowsStepOnlyTheirOwnRow) {
    page.onInit(controls);
    controls.stepSpin(IDC_DELAY_SPIN_FIRST + Rotate, -1);
    page.onControl(controls, services, IDC_DELAY_SPIN_FIRST + Rotate, ControlEvent::SpinMoved);
    EXPECT_EQ(shownDelay(Rotate), "99");
    EXPECT_EQ(shownDelay(MoveDown), "50");
    controls.stepSpin(IDC_DELAY_SPIN_FIRST + DropBottom, +1);  // already at the top
    page.onControl(controls, services, IDC_DELAY_SPIN_FIRST + DropBottom, ControlEvent::SpinMoved);
    EXPECT_EQ(shownDelay(DropBottom), "1000");
    ASSERT_TRUE(page.onOk(controls));
    EXPECT_EQ(page.keyDelay[Rotate], 99);
}

TEST_F(ControlPage, BadDelayIsRefusedAtOnceAndOnOk) {
    page.onInit(controls);
    controls.type(IDC_DELAY_EDIT_FIRST + MoveDown, "");
    page.onControl(controls, services, IDC_DELAY_EDIT_FIRST + MoveDown, ControlEvent::TextChanged);
    ASSERT_EQ(controls.messages().size(), 1u);
    EXPECT_EQ(shownDelay(MoveDown), "50");

    controls.type(IDC_DELAY_EDIT_FIRST + DropBottom, "2000");
    EXPECT_FALSE(page.onOk(controls));
    EXPECT_EQ(controls.messages().size(), 2u);
    EXPECT_EQ(page.keyDelay[DropBottom], 1000);
    EXPECT_EQ(shownDelay(DropBottom), "1000");
}

TEST_F(ControlPage, StoredDelaysOutsideTheRangeAreKeptWhenNotTouched) {
    page.keyDelay[MoveLeft] = -1;
    page.keyDelay[Rotate] = 5000;
    page.onInit(controls);
    EXPECT_EQ(shownDelay(MoveLeft), "-1");
    ASSERT_TRUE(page.onOk(controls));
    EXPECT_TRUE(controls.messages().empty());
    EXPECT_EQ(page.keyDelay[MoveLeft], -1);
    EXPECT_EQ(page.keyDelay[Rotate], 5000);
}

TEST_F(ControlPage, NeverShownPageKeepsItsCopies) {
    page.keyDelay = {5, 6, 7, 8, 9};
    ASSERT_TRUE(page.onOk(controls));
    EXPECT_EQ(page.keyDelay, (std::array<std::int32_t, kPlayActionCount>{5, 6, 7, 8, 9}));
}

}  // namespace
}  // namespace tintfall
