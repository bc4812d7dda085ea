#pragma once
// One page of the options sheet as the sheet sees it. A page holds copies of
// the values it edits; the Options command fills them before the sheet opens
// and takes them back after OK.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/DialogControls.h"

namespace tintfall {

// What a page asks of the platform besides its own controls.
class OptionsPageServices {
public:
    virtual ~OptionsPageServices() = default;
    // The colour chooser; the colour (0x00BBGGRR) on OK, nothing on Cancel.
    virtual std::optional<std::int32_t> chooseColour(std::int32_t initial) = 0;
    // The "Load Sound File" chooser; the full path on OK.
    virtual std::optional<std::string> chooseSoundFile() = 0;
    // The key capture prompt; the key code on OK, nothing on Escape.
    virtual std::optional<int> captureKey() = 0;
    // Plays a wave file at once, whatever the sound switches say.
    virtual void playSound(const std::string& path) = 0;
};

class OptionsPage {
public:
    virtual ~OptionsPage() = default;
    // The dialog template of the page.
    virtual int templateId() const = 0;
    // The page is shown for the first time.
    virtual void onInit(DialogControls& controls) = 0;
    // A control of the page reported an event.
    virtual void onControl(DialogControls& controls, OptionsPageServices& services, int id, ControlEvent event) = 0;
    // The sheet closes with OK and the page was shown; false keeps the sheet open.
    virtual bool onOk(DialogControls& controls) = 0;
};

}  // namespace tintfall
