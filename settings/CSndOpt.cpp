#include "settings/CSndOpt.h"

#include "resources/dialog_ids.h"

namespace tintfall {

const std::array<const char*, kSoundEventCount>& CSndOpt::eventNames() {
    static const std::array<const char*, kSoundEventCount> names = {
        "Button press",     "Block down", "Block removed",          "Bomb Explosion",
        "Game over",        "You win!",   "Level is finished",      "Timer",
        "Row of blocks is added", "Start of game", "Bomb disappears", "Best scores is reached",
    };
    return names;
}

int CSndOpt::templateId() const { return IDD_SOUND_PAGE; }

SoundEvent CSndOpt::selectedEvent(DialogControls& controls) const {
    const int entry = controls.listSelection(IDC_SOUND_LIST);
    return static_cast<SoundEvent>(entry >= 0 && entry < kSoundEventCount ? entry : 0);
}

void CSndOpt::enableControls(DialogControls& controls) {
    const bool on = soundOn != 0;
    for (int id : {IDC_SOUND_LIST, IDC_SOUND_PATH, IDC_SOUND_EVENT_ON, IDC_SOUND_PLAY, IDC_SOUND_CHANGE, IDC_SOUND_RESET,
                   IDC_SOUND_RESET_ALL})
        controls.setEnabled(id, on);
}

void CSndOpt::refresh(DialogControls& controls) {
    const SoundEvent event = selectedEvent(controls);
    controls.setChecked(IDC_SOUND_EVENT_ON, soundEventOn[event] != 0);
    shownPath = soundFile[shownSoundSlot(event)];
    controls.setText(IDC_SOUND_PATH, shownPath);
}

void CSndOpt::resetEvent(SoundEvent event) {
    soundEventOn[event] = 1;
    const int slot = shownSoundSlot(event);
    soundFile[slot] = baseFolder + defaultSoundNames()[slot];
}

void CSndOpt::onInit(DialogControls& controls) {
    controls.setChecked(IDC_SOUND_ON, soundOn != 0);
    enableControls(controls);
    for (const char* name : eventNames()) controls.addListItem(IDC_SOUND_LIST, name);
    controls.selectListItem(IDC_SOUND_LIST, 0);
    refresh(controls);
}

void CSndOpt::onControl(DialogControls& controls, OptionsPageServices& services, int id, ControlEvent event) {
    if (id == IDC_SOUND_LIST) {
        if (event == ControlEvent::SelectionChanged) refresh(controls);
        return;
    }
    if (event != ControlEvent::Clicked) return;
    const SoundEvent selected = selectedEvent(controls);
    switch (id) {
        case IDC_SOUND_ON:
            soundOn = controls.isChecked(IDC_SOUND_ON) ? 1 : 0;
            enableControls(controls);
            break;
        case IDC_SOUND_EVENT_ON:
            soundEventOn[selected] = controls.isChecked(IDC_SOUND_EVENT_ON) ? 1 : 0;
            refresh(controls);
            break;
        case IDC_SOUND_PLAY:
            // Listening is allowed with any switch off.
            services.playSound(soundFile[shownSoundSlot(selected)]);
            break;
        case IDC_SOUND_CHANGE:
            if (const auto path = services.chooseSoundFile()) soundFile[shownSoundSlot(selected)] = *path;
            refresh(controls);
            break;
        case IDC_SOUND_RESET:
            resetEvent(selected);
            refresh(controls);
            break;
        case IDC_SOUND_RESET_ALL:
            // Only the shown slots: BlockDown's other four keep their files.
            for (int e = 0; e < kSoundEventCount; ++e) resetEvent(static_cast<SoundEvent>(e));
            refresh(controls);
            break;
        default:
            break;
    }
}

bool CSndOpt::onOk(DialogControls&) { return true; }

}  // namespace tintfall
