#pragma once
// The controls of one open dialog, addressed by control id. Dialog models
// drive a dialog only through this interface, so the same model runs under
// the Win32 dialog procedures and under the recording fake of the tests.
#include <string>

namespace tintfall {

// What a control reports to its dialog; the Win32 side maps its
// notification codes onto these.
// SpinMoved: the arrows of an up-down control moved its position.
enum class ControlEvent { Clicked, SelectionChanged, TextChanged, SpinMoved };

class DialogControls {
public:
    virtual ~DialogControls() = default;

    virtual void setText(int id, const std::string& text) = 0;
    virtual std::string text(int id) = 0;

    // Check boxes and option buttons.
    virtual void setChecked(int id, bool checked) = 0;
    virtual bool isChecked(int id) = 0;

    virtual void setEnabled(int id, bool enabled) = 0;

    // Drop-down lists: entries in the order added, selection by index
    // (-1 when nothing is selected).
    virtual void addListItem(int id, const std::string& text) = 0;
    virtual void selectListItem(int id, int index) = 0;
    virtual int listSelection(int id) = 0;

    // Up-down (spin) controls.
    virtual void setSpinRange(int id, int low, int high) = 0;
    virtual void setSpinPosition(int id, int position) = 0;
    virtual int spinPosition(int id) = 0;

    virtual void setWindowTitle(const std::string& title) = 0;
    // A timer of the dialog; each tick reaches the model as a timer event.
    virtual void startTimer(int id, unsigned periodMs) = 0;
    virtual void stopTimer(int id) = 0;
    // Closes a modal dialog with the given result (1 OK, 2 Cancel).
    virtual void endDialog(int result) = 0;

    // Message boxes owned by the dialog, title "Tintfall" unless given.
    virtual void showError(const std::string& text) = 0;
    virtual void showInformation(const std::string& title, const std::string& text) = 0;
    // Yes/No question with the question icon; true for Yes.
    virtual bool askYesNo(const std::string& text) = 0;
};

constexpr int kDialogOk = 1;
constexpr int kDialogCancel = 2;

}  // namespace tintfall
