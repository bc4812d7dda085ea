#pragma once
// The Game page: rules of the next game and the two animation delays.
#include <cstdint>

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

    // Radio indexes: Classic/Timer/Rising, Easy/Normal/Hard, "1 block"/"2 blocks"/"3 blocks".
    int modeChoice = 0;
    int difficultyChoice = 1;
    int blocksChoice = 2;

    int templateId() const override;
    void onInit(DialogControls& controls) override;
    void onControl(DialogControls& controls, OptionsPageServices& services, int id, ControlEvent event) override;
    bool onOk(DialogControls& controls) override;

private:
    // What the rule controls showed when the page opened: OK stores a rule
    // only when its control was changed, so a stored value the buttons
    // cannot show is kept as it is.
    int shownMode_ = 0;
    int shownDifficulty_ = 1;
    int shownBlocks_ = 2;
    bool shownBombs_ = true;
    int shownLevel_ = 0;
    DelayEdit demolition_{0, 0, 0};
    DelayEdit levelAnimation_{0, 0, 0};
};

}  // namespace tintfall
