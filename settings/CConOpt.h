#pragma once
// The Control page: the key of each action and the auto-repeat delay of the
// five play actions.
#include <array>
#include <cstdint>
#include <vector>

#include "settings/DelayEdit.h"
#include "settings/GameSettings.h"
#include "settings/OptionsPage.h"

namespace tintfall {

class CConOpt : public OptionsPage {
public:
    // Indexed by ControlAction; the capture prompt changes them directly.
    std::array<std::int32_t, kControlActionCount> keyCode = kDefaultKeyCodes;
    // Indexed by ControlAction, PauseGame excluded; taken from the boxes on OK.
    std::array<std::int32_t, kPlayActionCount> keyDelay = kDefaultKeyDelays;

    int templateId() const override;
    void onInit(DialogControls& controls) override;
    void onControl(DialogControls& controls, OptionsPageServices& services, int id, ControlEvent event) override;
    bool onOk(DialogControls& controls) override;

private:
    void showKeyName(DialogControls& controls, int action);

    std::vector<DelayEdit> delays_;
};

}  // namespace tintfall
