#include "settings/CGameOpt.h"

#include <algorithm>
#include <string>

#include "resources/dialog_ids.h"

namespace tintfall {

namespace {

constexpr int kLevelCount = 20;
const int kModeButtons[] = {IDC_MODE_CLASSIC, IDC_MODE_TIMER, IDC_MODE_RISING};
const int kDifficultyButtons[] = {IDC_DIFFICULTY_EASY, IDC_DIFFICULTY_NORMAL, IDC_DIFFICULTY_HARD};
const int kBlocksButtons[] = {IDC_BLOCKS_ONE, IDC_BLOCKS_TWO, IDC_BLOCKS_THREE};

// Stored values outside their range still select a button of the group.
int choiceIndex(std::int32_t value) { return static_cast<int>(std::clamp<std::int32_t>(value, 0, 2)); }

void checkGroup(DialogControls& controls, const int (&buttons)[3], int choice) {
    for (int i = 0; i < 3; ++i) controls.setChecked(buttons[i], i == choice);
}

// The index of a button within its group, or -1.
int indexIn(const int (&buttons)[3], int id) {
    for (int i = 0; i < 3; ++i)
        if (buttons[i] == id) return i;
    return -1;
}

}  // namespace

int CGameOpt::templateId() const { return IDD_GAME_PAGE; }

void CGameOpt::onInit(DialogControls& controls) {
    modeChoice = choiceIndex(gameMode);
    difficultyChoice = choiceIndex(colourCount - 4);
    blocksChoice = 2 - choiceIndex(blockCountCode);
    checkGroup(controls, kModeButtons, modeChoice);
    checkGroup(controls, kDifficultyButtons, difficultyChoice);
    checkGroup(controls, kBlocksButtons, blocksChoice);

    // The rules of a running game cannot change; the delays can.
    const bool rulesEditable = gameRunning == 0;
    for (int i = 0; i < 3; ++i) {
        controls.setEnabled(kModeButtons[i], rulesEditable);
        controls.setEnabled(kDifficultyButtons[i], rulesEditable);
        controls.setEnabled(kBlocksButtons[i], rulesEditable);
    }
    controls.setEnabled(IDC_BOMBS, rulesEditable);
    controls.setEnabled(IDC_START_LEVEL, rulesEditable);

    for (int level = 1; level <= kLevelCount; ++level) controls.addListItem(IDC_START_LEVEL, "Level " + std::to_string(level));
    controls.selectListItem(IDC_START_LEVEL, startLevelIndex);
    controls.setChecked(IDC_BOMBS, bombsEnabled != 0);
    shownMode_ = modeChoice;
    shownDifficulty_ = difficultyChoice;
    shownBlocks_ = blocksChoice;
    shownBombs_ = controls.isChecked(IDC_BOMBS);
    shownLevel_ = controls.listSelection(IDC_START_LEVEL);

    demolition_ = DelayEdit(IDC_DEMOLITION_EDIT, IDC_DEMOLITION_SPIN, demolitionDelay);
    levelAnimation_ = DelayEdit(IDC_LEVEL_ANIMATION_EDIT, IDC_LEVEL_ANIMATION_SPIN, levelAnimationDelay);
    demolition_.show(controls, demolitionDelay);
    levelAnimation_.show(controls, levelAnimationDelay);
}

void CGameOpt::onControl(DialogControls& controls, OptionsPageServices&, int id, ControlEvent event) {
    if (event == ControlEvent::TextChanged) {
        if (id == IDC_DEMOLITION_EDIT) demolition_.onTextChanged(controls);
        if (id == IDC_LEVEL_ANIMATION_EDIT) levelAnimation_.onTextChanged(controls);
        return;
    }
    if (event == ControlEvent::SpinMoved) {
        if (id == IDC_DEMOLITION_SPIN) demolition_.onSpinMoved(controls);
        if (id == IDC_LEVEL_ANIMATION_SPIN) levelAnimation_.onSpinMoved(controls);
        return;
    }
    if (event != ControlEvent::Clicked) return;
    if (const int i = indexIn(kModeButtons, id); i >= 0) {
        modeChoice = i;
        checkGroup(controls, kModeButtons, i);
    } else if (const int d = indexIn(kDifficultyButtons, id); d >= 0) {
        difficultyChoice = d;
        checkGroup(controls, kDifficultyButtons, d);
    } else if (const int b = indexIn(kBlocksButtons, id); b >= 0) {
        blocksChoice = b;
        checkGroup(controls, kBlocksButtons, b);
    }
}

bool CGameOpt::onOk(DialogControls& controls) {
    if (!demolition_.read(controls) || !levelAnimation_.read(controls)) return false;
    // The rules of a running game stay as they are, whatever the controls say.
    if (gameRunning == 0) {
        if (modeChoice != shownMode_) gameMode = modeChoice;
        if (difficultyChoice != shownDifficulty_) colourCount = 4 + difficultyChoice;
        if (blocksChoice != shownBlocks_) blockCountCode = 2 - blocksChoice;
        if (const bool bombs = controls.isChecked(IDC_BOMBS); bombs != shownBombs_) bombsEnabled = bombs ? 1 : 0;
        // A stored level outside the list selects nothing and is kept as it was.
        const int level = controls.listSelection(IDC_START_LEVEL);
        if (level >= 0 && level != shownLevel_) startLevelIndex = level;
    }
    demolitionDelay = demolition_.value();
    levelAnimationDelay = levelAnimation_.value();
    return true;
}

}  // namespace tintfall
