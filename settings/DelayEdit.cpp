#include "settings/DelayEdit.h"

namespace tintfall {

std::optional<int> parseDelay(const std::string& text) {
    if (text.empty()) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > kDelayMax) return std::nullopt;  // also keeps long texts from overflowing
    }
    return value;
}

void DelayEdit::show(DialogControls& controls, int value) {
    value_ = value;
    writing_ = true;
    controls.setSpinRange(spinId_, kDelayMin, kDelayMax);
    controls.setSpinPosition(spinId_, value);
    controls.setText(editId_, std::to_string(value));
    writing_ = false;
}

void DelayEdit::onTextChanged(DialogControls& controls) {
    if (writing_) return;
    if (const auto typed = parseDelay(controls.text(editId_))) {
        value_ = *typed;
        controls.setSpinPosition(spinId_, value_);
        return;
    }
    controls.showError(kDelayRefusedText);
    restore(controls);
}

void DelayEdit::onSpinMoved(DialogControls& controls) {
    value_ = controls.spinPosition(spinId_);
    writing_ = true;
    controls.setText(editId_, std::to_string(value_));
    writing_ = false;
}

bool DelayEdit::read(DialogControls& controls) {
    const std::string text = controls.text(editId_);
    // The value shown and not changed is kept as it is, even one from the
    // options file outside the range the box accepts.
    if (text == std::to_string(value_)) return true;
    if (const auto typed = parseDelay(text)) {
        value_ = *typed;
        return true;
    }
    controls.showError(kDelayRefusedText);
    restore(controls);
    return false;
}

void DelayEdit::restore(DialogControls& controls) {
    writing_ = true;
    controls.setText(editId_, std::to_string(value_));
    controls.setSpinPosition(spinId_, value_);
    writing_ = false;
}

}  // namespace tintfall
