#pragma once
// An edit box with its spin arrows holding one delay of 0..1000 ms. The box
// is checked at every change of its text and on OK; a refused text brings
// back the last good value.
#include <optional>
#include <string>

#include "platform/DialogControls.h"

namespace tintfall {

constexpr int kDelayMin = 0;
constexpr int kDelayMax = 1000;
constexpr const char* kDelayRefusedText = "ERROR! Please enter a whole number from 0 to 1000.";

// A whole number of 0..1000 written in decimal digits, or nothing.
std::optional<int> parseDelay(const std::string& text);

class DelayEdit {
public:
    DelayEdit(int editId, int spinId, int value) : editId_(editId), spinId_(spinId), value_(value) {}

    // Spin range 0..1000, the value in the box and at the spin position.
    void show(DialogControls& controls, int value);
    // The box's text changed.
    void onTextChanged(DialogControls& controls);
    // The arrows stepped the spin position: the box shows it.
    void onSpinMoved(DialogControls& controls);
    // On OK: false, after the message, when the box holds no good value;
    // the value it was given and still shows is always good.
    bool read(DialogControls& controls);

    int value() const { return value_; }
    int editId() const { return editId_; }
    int spinId() const { return spinId_; }

private:
    void restore(DialogControls& controls);

    int editId_;
    int spinId_;
    int value_;
    // Our own writes into the box report a change too; they are not input.
    bool writing_ = false;
};

}  // namespace tintfall
