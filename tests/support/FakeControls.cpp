#include "tests/support/FakeControls.h"

#include <algorithm>

namespace tintfall {

void FakeControls::selectListItem(int id, int index) {
    Control& list = controls_[id];
    // A list box rejects an index it does not hold and keeps no selection.
    list.selection = (index >= 0 && index < static_cast<int>(list.items.size())) ? index : -1;
}

void FakeControls::setSpinRange(int id, int low, int high) {
    Control& spin = controls_[id];
    spin.spinLow = low;
    spin.spinHigh = high;
    spin.spinPosition = std::clamp(spin.spinPosition, low, high);
}

void FakeControls::setSpinPosition(int id, int position) {
    Control& spin = controls_[id];
    spin.spinPosition = std::clamp(position, spin.spinLow, spin.spinHigh);
}

void FakeControls::showError(const std::string& text) { messages_.push_back({Message::Error, "Tintfall", text}); }

void FakeControls::showInformation(const std::string& title, const std::string& text) {
    messages_.push_back({Message::Information, title, text});
}

bool FakeControls::askYesNo(const std::string& text) {
    messages_.push_back({Message::Question, "Tintfall", text});
    if (answers_.empty()) return false;
    const bool yes = answers_.front();
    answers_.pop_front();
    return yes;
}

}  // namespace tintfall
