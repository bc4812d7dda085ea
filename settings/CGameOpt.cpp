#include "settings/CGameOpt.h"

#include <string>

#include "resources/dialog_ids.h"

namespace tintfall {

namespace {

constexpr RuleGroup kGroups[] = {RuleGroup::Mode, RuleGroup::Difficulty, RuleGroup::Blocks};

// The radio buttons of each group, in choice order.
using GroupButtons = std::array<int, kRuleChoiceCount>;
constexpr GroupButtons kGroupButtons[] = {{IDC_MODE_CLASSIC, IDC_MODE_TIMER, IDC_MODE_RISING},
                                          {IDC_DIFFICULTY_EASY, IDC_DIFFICULTY_NORMAL, IDC_DIFFICULTY_HARD},
                                          {IDC_BLOCKS_ONE, IDC_BLOCKS_TWO, IDC_BLOCKS_THREE}};
const GroupButtons& buttonsOf(RuleGroup group) { return kGroupButtons[static_cast<std::size_t>(group)]; }

std::size_t slot(RuleGroup group) { return static_cast<std::size_t>(group); }

void checkGroup(DialogControls& controls, RuleGroup group, int choice) {
    const GroupButtons& buttons = buttonsOf(group);
    for (int i = 0; i < kRuleChoiceCount; ++i) controls.setChecked(buttons[static_cast<std::size_t>(i)], i == choice);
}

}  // namespace

int CGameOpt::templateId() const { return IDD_GAME_PAGE; }

std::int32_t& CGameOpt::storedCode(RuleGroup group) {
    switch (group) {
        case RuleGroup::Mode: return gameMode;
        case RuleGroup::Difficulty: return colourCount;
        case RuleGroup::Blocks: break;
    }
    return blockCountCode;
}

void CGameOpt::onInit(DialogControls& controls) {
    // The rules of a running game cannot change; the delays can.
    const bool rulesEditable = gameRunning == 0;
    for (RuleGroup group : kGroups) {
        // Each group shows the choice its stored code is played as.
        choices[slot(group)] = ruleChoice(group, storedCode(group));
        chosen_[slot(group)] = false;
        checkGroup(controls, group, choices[slot(group)]);
        for (int id : buttonsOf(group)) controls.setEnabled(id, rulesEditable);
    }
    controls.setEnabled(IDC_BOMBS, rulesEditable);
    controls.setEnabled(IDC_START_LEVEL, rulesEditable);

    for (int level = 1; level <= kLevelCount; ++level) controls.addListItem(IDC_START_LEVEL, "Level " + std::to_string(level));
    controls.selectListItem(IDC_START_LEVEL, startLevelIndex);
    controls.setChecked(IDC_BOMBS, bombsEnabled != 0);
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
    for (RuleGroup group : kGroups) {
        const GroupButtons& buttons = buttonsOf(group);
        for (int choice = 0; choice < kRuleChoiceCount; ++choice) {
            if (buttons[static_cast<std::size_t>(choice)] != id) continue;
            choices[slot(group)] = choice;
            chosen_[slot(group)] = true;
            checkGroup(controls, group, choice);
        }
    }
}

bool CGameOpt::onOk(DialogControls& controls) {
    if (!demolition_.read(controls) || !levelAnimation_.read(controls)) return false;
    // The rules of a running game stay as they are, whatever the controls say.
    if (gameRunning == 0) {
        for (RuleGroup group : kGroups)
            if (chosen_[slot(group)]) storedCode(group) = ruleCode(group, choices[slot(group)]);
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
