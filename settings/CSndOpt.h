#pragma once
// The Sound page: the master switch, each event's switch and wave file. Every
// control acts on the copies at once; OK of the sheet takes them back.
#include <array>
#include <cstdint>
#include <string>

#include "settings/GameSettings.h"
#include "settings/OptionsPage.h"

namespace tintfall {

class CSndOpt : public OptionsPage {
public:
    std::int32_t soundOn = 1;
    std::array<std::int32_t, kSoundEventCount> soundEventOn{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    std::array<std::string, kSoundSlotCount> soundFile{};
    std::string baseFolder;
    // The path in the Path box: the shown slot of the selected event.
    std::string shownPath;

    static const std::array<const char*, kSoundEventCount>& eventNames();

    int templateId() const override;
    void onInit(DialogControls& controls) override;
    void onControl(DialogControls& controls, OptionsPageServices& services, int id, ControlEvent event) override;
    bool onOk(DialogControls& controls) override;

private:
    SoundEvent selectedEvent(DialogControls& controls) const;
    void enableControls(DialogControls& controls);
    void refresh(DialogControls& controls);
    void resetEvent(SoundEvent event);
};

}  // namespace tintfall
