#pragma once
// The Game page: rules of the next game and the two animation delays.
#include <array>
#include <cstdint>

#include "engine/Rules.h"
#include "settings/DelayEdit.h"
#include "settings/OptionsPage.h"

namespace tintfall {

class CGameOpt : public OptionsPage {
public:
    // Copies of the settings, filled in before the sheet opens.
    std::int32_t gameRunning = 0;  // read only: the rule controls are locked during a game
    std::int32_t colourCount = 5;
    std::int32_t blockCountCode = 0;
    std::int32_t gameMode = 0;
    std::int32_t bombsEnabled = 1;
    std::int32_t startLevelIndex = 0;
    std::int32_t demolitionDelay = 50;
    std::int32_t levelAnimationDelay = 8;

    // The radio button checked in each group, indexed by RuleGroup: 0..2 for
    // Classic/Timer/Rising, Easy/Normal/Hard, "1 block"/"2 blocks"/"3 blocks".
    std::array<int, 3> choices{0, 1, 2};

    int templateId() const override;
    void onInit(DialogControls& controls) override;
    void onControl(DialogControls& controls, OptionsPageServices& services, int id, ControlEvent event) override;
    bool onOk(DialogControls& controls) override;

private:
    std::int32_t& storedCode(RuleGroup group);

    // OK stores a group's choice only once a button of the group was
    // clicked, the one already checked included, so a stored code no button
    // stands for is kept until the player chooses. Bombs and the start level
    // are stored when their control changed.
    std::array<bool, 3> chosen_{};
    bool shownBombs_ = true;
    int shownLevel_ = 0;
    DelayEdit demolition_{0, 0, 0};
    DelayEdit levelAnimation_{0, 0, 0};
};

}  // namespace tintfall
