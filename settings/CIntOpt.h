#pragma once
// The Interface page: background of the playing area, view switches and the
// block picture set.
#include <array>
#include <cstdint>

#include "settings/OptionsPage.h"

namespace tintfall {

class CIntOpt : public OptionsPage {
public:
    static constexpr int kBlockSetCount = 12;
    // List entry i shows background backgroundOfEntry[i]; the list is not
    // in the order of the stored values.
    static constexpr std::array<std::int32_t, 5> backgroundOfEntry{0, 2, 3, 4, 1};

    std::int32_t userColour = 0;
    std::int32_t fieldBackground = 0;
    std::int32_t showNextBar = 1;
    std::int32_t blockSet = 11;
    std::int32_t animateTitle = 1;
    std::int32_t showStatusBar = 1;
    int blockSetChoice = 11;

    int templateId() const override;
    void onInit(DialogControls& controls) override;
    void onControl(DialogControls& controls, OptionsPageServices& services, int id, ControlEvent event) override;
    bool onOk(DialogControls& controls) override;

    // The list entry of a stored background (entry 0 for an unknown value).
    static int entryOfBackground(std::int32_t background);
};

}  // namespace tintfall
