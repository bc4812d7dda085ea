#include <gtest/gtest.h>

#include "tests/support/FakeControls.h"
#include "resources/dialog_ids.h"
#include "settings/CIntOpt.h"
#include "settings/GameSettings.h"
#include "tests/unit/settings/FakePageServices.h"

namespace tintfall {
namespace {

struct InterfacePage : ::testing::Test {
    CIntOpt page;
    FakeControls controls;
    FakePageServices services;

    void choose(int entry) {
        controls.selectListItem(IDC_BACKGROUND_LIST, entry);
        page.onControl(controls, services, IDC_BACKGROUND_LIST, ControlEvent::SelectionChanged);
    }
    void click(int id) {
        controls.tick(id, true);
        page.onControl(controls, services, id, ControlEvent::Clicked);
    }
};

TEST_F(InterfacePage, ListOrderDiffersFromTheStoredValues) {
    page.fieldBackground = ColourField;
    page.onInit(controls);
    const auto& list = controls.control(IDC_BACKGROUND_LIST);
    ASSERT_EQ(list.items, (std::vector<std::string>{"Grey field", "Color field", "3D field", "Fantasy field",
                                                    "User-defined color"}));
    EXPECT_EQ(list.selection, 1);  // "Color field" is second, stored as 2

    choose(4);
    ASSERT_TRUE(page.onOk(controls));
    EXPECT_EQ(page.fieldBackground, UserColour);  // last entry, stored as 1
    choose(2);
    ASSERT_TRUE(page.onOk(controls));
    EXPECT_EQ(page.fieldBackground, ThreeDField);
}

TEST_F(InterfacePage, EveryStoredBackgroundSelectsItsEntry) {
    const int expected[] = {0, 4, 1, 2, 3};
    for (int value = 0; value < 5; ++value) EXPECT_EQ(CIntOpt::entryOfBackground(value), expected[value]);
    EXPECT_EQ(CIntOpt::entryOfBackground(5), 0);
    EXPECT_EQ(CIntOpt::entryOfBackground(-1), 0);
}

TEST_F(InterfacePage, DefineColourIsEnabledOnlyForTheUserColour) {
    page.fieldBackground = GreyField;
    page.onInit(controls);
    EXPECT_FALSE(controls.enabled(IDC_DEFINE_COLOUR));
    choose(4);
    EXPECT_TRUE(controls.enabled(IDC_DEFINE_COLOUR));
    choose(3);
    EXPECT_FALSE(controls.enabled(IDC_DEFINE_COLOUR));

    CIntOpt userPage;
    FakeControls userControls;
    userPage.fieldBackground = UserColour;
    userPage.onInit(userControls);
    EXPECT_TRUE(userControls.enabled(IDC_DEFINE_COLOUR));
    EXPECT_EQ(userControls.control(IDC_BACKGROUND_LIST).selection, 4);
}

TEST_F(InterfacePage, ChosenColourSurvivesAnotherBackground) {
    page.fieldBackground = UserColour;
    page.userColour = 0x112233;
    page.onInit(controls);
    services.colourAnswer = 0x00FF8000;
    click(IDC_DEFINE_COLOUR);
    ASSERT_EQ(services.colourChooserOpenedWith, (std::vector<std::int32_t>{0x112233}));
    EXPECT_EQ(page.userColour, 0x00FF8000);
    EXPECT_EQ(page.fieldBackground, UserColour);  // the chooser does not pick the background
    choose(2);
    ASSERT_TRUE(page.onOk(controls));
    EXPECT_EQ(page.userColour, 0x00FF8000);
    EXPECT_EQ(page.fieldBackground, ThreeDField);
}

TEST_F(InterfacePage, CancelledColourChooserKeepsTheColour) {
    page.fieldBackground = UserColour;
    page.userColour = 0x445566;
    page.onInit(controls);
    services.colourAnswer.reset();
    click(IDC_DEFINE_COLOUR);
    EXPECT_EQ(page.userColour, 0x445566);
}

TEST_F(InterfacePage, BlockSetButtonsAndViewSwitches) {
    page.blockSet = 7;
    page.showNextBar = 0;
    page.animateTitle = 1;
    page.showStatusBar = 0;
    page.onInit(controls);
    for (int set = 0; set < 12; ++set) EXPECT_EQ(controls.isChecked(IDC_BLOCK_SET_FIRST + set), set == 7) << set;
    EXPECT_FALSE(controls.isChecked(IDC_SHOW_NEXT_BAR));
    EXPECT_TRUE(controls.isChecked(IDC_ANIMATE_TITLE));
    EXPECT_FALSE(controls.isChecked(IDC_SHOW_STATUS_BAR));

    click(IDC_BLOCK_SET_FIRST + 11);
    EXPECT_FALSE(controls.isChecked(IDC_BLOCK_SET_FIRST + 7));
    controls.tick(IDC_SHOW_NEXT_BAR, true);
    controls.tick(IDC_ANIMATE_TITLE, false);
    ASSERT_TRUE(page.onOk(controls));
    EXPECT_EQ(page.blockSet, 11);
    EXPECT_EQ(page.showNextBar, 1);
    EXPECT_EQ(page.animateTitle, 0);
    EXPECT_EQ(page.showStatusBar, 0);
}

TEST_F(InterfacePage, BlockSetOutsideTheRangeIsKeptUntilOneIsChosen) {
    page.blockSet = 40;
    page.onInit(controls);
    for (int set = 0; set < 12; ++set) EXPECT_FALSE(controls.isChecked(IDC_BLOCK_SET_FIRST + set));
    ASSERT_TRUE(page.onOk(controls));
    EXPECT_EQ(page.blockSet, 40);
    click(IDC_BLOCK_SET_FIRST);
    ASSERT_TRUE(page.onOk(controls));
    EXPECT_EQ(page.blockSet, 0);
}

}  // namespace
}  // namespace tintfall
