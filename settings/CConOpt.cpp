#include "settings/CConOpt.h"

#include "resources/dialog_ids.h"
#include "settings/KeyNames.h"

namespace tintfall {

int CConOpt::templateId() const { return IDD_CONTROL_PAGE; }

void CConOpt::showKeyName(DialogControls& controls, int action) {
    controls.setText(IDC_KEY_NAME_FIRST + action, keyName(keyCode[action]));
}

void CConOpt::onInit(DialogControls& controls) {
    for (int action = 0; action < kControlActionCount; ++action) showKeyName(controls, action);
    delays_.clear();
    for (int action = 0; action < kPlayActionCount; ++action) {
        delays_.emplace_back(IDC_DELAY_EDIT_FIRST + action, IDC_DELAY_SPIN_FIRST + action, keyDelay[action]);
        delays_.back().show(controls, keyDelay[action]);
    }
}

void CConOpt::onControl(DialogControls& controls, OptionsPageServices& services, int id, ControlEvent event) {
    if (event == ControlEvent::TextChanged) {
        for (DelayEdit& delay : delays_)
            if (delay.editId() == id) delay.onTextChanged(controls);
        return;
    }
    if (event == ControlEvent::SpinMoved) {
        for (DelayEdit& delay : delays_)
            if (delay.spinId() == id) delay.onSpinMoved(controls);
        return;
    }
    if (event != ControlEvent::Clicked) return;
    if (id >= IDC_KEY_BUTTON_FIRST && id < IDC_KEY_BUTTON_FIRST + kControlActionCount) {
        const int action = id - IDC_KEY_BUTTON_FIRST;
        // A key already bound elsewhere is taken as well: actions may share a key.
        if (const auto key = services.captureKey()) {
            keyCode[action] = *key;
            showKeyName(controls, action);
        }
    } else if (id == IDC_KEYS_RESET) {
        keyCode = kDefaultKeyCodes;
        for (int action = 0; action < kControlActionCount; ++action) showKeyName(controls, action);
    } else if (id == IDC_DELAYS_RESET) {
        for (int action = 0; action < kPlayActionCount && action < static_cast<int>(delays_.size()); ++action)
            delays_[action].show(controls, kDefaultKeyDelays[action]);
    }
}

bool CConOpt::onOk(DialogControls& controls) {
    for (DelayEdit& delay : delays_)
        if (!delay.read(controls)) return false;
    for (int action = 0; action < static_cast<int>(delays_.size()); ++action) keyDelay[action] = delays_[action].value();
    return true;
}

}  // namespace tintfall
