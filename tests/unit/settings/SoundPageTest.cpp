#include <gtest/gtest.h>

#include "tests/support/FakeControls.h"
#include "resources/dialog_ids.h"
#include "settings/CSndOpt.h"
#include "tests/unit/settings/FakePageServices.h"

namespace tintfall {
namespace {

const int kSwitchedControls[] = {IDC_SOUND_LIST,   IDC_SOUND_PATH,  IDC_SOUND_EVENT_ON,  IDC_SOUND_PLAY,
                                 IDC_SOUND_CHANGE, IDC_SOUND_RESET, IDC_SOUND_RESET_ALL};

struct SoundPage : ::testing::Test {
    CSndOpt page;
    FakeControls controls;
    FakePageServices services;

    SoundPage() {
        page.baseFolder = "C:\\Games\\";
        for (int slot = 0; slot < kSoundSlotCount; ++slot) page.soundFile[slot] = "D:\\own\\" + std::to_string(slot) + ".wav";
    }
    void select(SoundEvent event) {
        controls.selectListItem(IDC_SOUND_LIST, event);
        page.onControl(controls, services, IDC_SOUND_LIST, ControlEvent::SelectionChanged);
    }
    void click(int id) { page.onControl(controls, services, id, ControlEvent::Clicked); }
    void setCheck(int id, bool on) {
        controls.tick(id, on);
        click(id);
    }
};

TEST_F(SoundPage, OpeningListsTheEventsAndShowsTheFirst) {
    page.soundEventOn[ButtonPress] = 0;
    page.onInit(controls);
    const auto& list = controls.control(IDC_SOUND_LIST);
    ASSERT_EQ(list.items.size(), 12u);
    EXPECT_EQ(list.items[0], "Button press");
    EXPECT_EQ(list.items[5], "You win!");
    EXPECT_EQ(list.items[11], "Best scores is reached");
    EXPECT_EQ(list.selection, 0);
    EXPECT_TRUE(controls.isChecked(IDC_SOUND_ON));
    EXPECT_FALSE(controls.isChecked(IDC_SOUND_EVENT_ON));
    EXPECT_EQ(controls.text(IDC_SOUND_PATH), "D:\\own\\0.wav");
    for (int id : kSwitchedControls) EXPECT_TRUE(controls.enabled(id)) << id;
}

TEST_F(SoundPage, MasterSwitchGreysTheWholeGroup) {
    page.soundOn = 0;
    page.onInit(controls);
    EXPECT_FALSE(controls.isChecked(IDC_SOUND_ON));
    for (int id : kSwitchedControls) EXPECT_FALSE(controls.enabled(id)) << id;
    setCheck(IDC_SOUND_ON, true);
    EXPECT_EQ(page.soundOn, 1);
    for (int id : kSwitchedControls) EXPECT_TRUE(controls.enabled(id)) << id;
    setCheck(IDC_SOUND_ON, false);
    EXPECT_EQ(page.soundOn, 0);
    for (int id : kSwitchedControls) EXPECT_FALSE(controls.enabled(id)) << id;
}

TEST_F(SoundPage, BlockDownShowsAndEditsSlotTwo) {
    page.onInit(controls);
    select(BlockDown);
    EXPECT_EQ(controls.text(IDC_SOUND_PATH), "D:\\own\\2.wav");
    services.soundFileAnswer = "E:\\new.wav";
    click(IDC_SOUND_CHANGE);
    EXPECT_EQ(page.soundFile[2], "E:\\new.wav");
    EXPECT_EQ(controls.text(IDC_SOUND_PATH), "E:\\new.wav");
    EXPECT_EQ(page.soundFile[1], "D:\\own\\1.wav");
    select(BestScore);
    EXPECT_EQ(controls.text(IDC_SOUND_PATH), "D:\\own\\15.wav");
}

TEST_F(SoundPage, CancelledChooserKeepsThePathAndChangeLeavesTheSwitch) {
    page.soundEventOn[TimerTick] = 0;
    page.onInit(controls);
    select(TimerTick);
    services.soundFileAnswer.reset();
    click(IDC_SOUND_CHANGE);
    EXPECT_EQ(page.soundFile[11], "D:\\own\\11.wav");
    services.soundFileAnswer = "x.wav";
    click(IDC_SOUND_CHANGE);
    EXPECT_EQ(page.soundFile[11], "x.wav");
    EXPECT_EQ(page.soundEventOn[TimerTick], 0);
}

TEST_F(SoundPage, EventSwitchFollowsTheSelection) {
    page.onInit(controls);
    select(GameOver);
    setCheck(IDC_SOUND_EVENT_ON, false);
    EXPECT_EQ(page.soundEventOn[GameOver], 0);
    select(YouWin);
    EXPECT_TRUE(controls.isChecked(IDC_SOUND_EVENT_ON));
    select(GameOver);
    EXPECT_FALSE(controls.isChecked(IDC_SOUND_EVENT_ON));
}

TEST_F(SoundPage, PlayIgnoresEverySwitch) {
    page.soundEventOn[BombExplosion] = 0;
    page.onInit(controls);
    select(BombExplosion);
    page.soundOn = 0;
    click(IDC_SOUND_PLAY);
    EXPECT_EQ(services.played, (std::vector<std::string>{"D:\\own\\7.wav"}));
}

TEST_F(SoundPage, ResetRestoresOnlyTheSelectedEvent) {
    page.soundEventOn[BlockDown] = 0;
    page.soundEventOn[GameStart] = 0;
    page.onInit(controls);
    select(BlockDown);
    click(IDC_SOUND_RESET);
    EXPECT_EQ(page.soundEventOn[BlockDown], 1);
    EXPECT_EQ(page.soundFile[2], "C:\\Games\\snd\\drop1.wav");
    EXPECT_EQ(controls.text(IDC_SOUND_PATH), "C:\\Games\\snd\\drop1.wav");
    EXPECT_TRUE(controls.isChecked(IDC_SOUND_EVENT_ON));
    EXPECT_EQ(page.soundEventOn[GameStart], 0);
    EXPECT_EQ(page.soundFile[13], "D:\\own\\13.wav");
    for (int slot : {1, 3, 4, 5}) EXPECT_EQ(page.soundFile[slot], "D:\\own\\" + std::to_string(slot) + ".wav");
}

TEST_F(SoundPage, ResetAllLeavesTheMasterSwitchAndTheHiddenSlots) {
    page.soundOn = 1;
    page.soundEventOn.fill(0);
    page.onInit(controls);
    select(LevelFinished);
    click(IDC_SOUND_RESET_ALL);
    EXPECT_EQ(page.soundOn, 1);
    for (int e = 0; e < kSoundEventCount; ++e) EXPECT_EQ(page.soundEventOn[e], 1) << e;
    for (int slot = 0; slot < kSoundSlotCount; ++slot) {
        if (slot == 1 || (slot >= 3 && slot <= 5))
            EXPECT_EQ(page.soundFile[slot], "D:\\own\\" + std::to_string(slot) + ".wav");
        else
            EXPECT_EQ(page.soundFile[slot], std::string("C:\\Games\\") + defaultSoundNames()[slot]) << slot;
    }
    EXPECT_EQ(controls.text(IDC_SOUND_PATH), "C:\\Games\\snd\\level.wav");
}

}  // namespace
}  // namespace tintfall
