#pragma once
// The controls of a real dialog window, addressed by control id.
#include <windows.h>

#include "platform/DialogControls.h"

namespace tintfall {

class Win32DialogControls : public DialogControls {
public:
    explicit Win32DialogControls(HWND dialog) : dialog_(dialog) {}

    void setText(int id, const std::string& text) override;
    std::string text(int id) override;
    void setChecked(int id, bool checked) override;
    bool isChecked(int id) override;
    void setEnabled(int id, bool enabled) override;
    void addListItem(int id, const std::string& text) override;
    void selectListItem(int id, int index) override;
    int listSelection(int id) override;
    void setSpinRange(int id, int low, int high) override;
    void setSpinPosition(int id, int position) override;
    int spinPosition(int id) override;
    void setWindowTitle(const std::string& title) override;
    void startTimer(int id, unsigned periodMs) override;
    void stopTimer(int id) override;
    void endDialog(int result) override;
    void showError(const std::string& text) override;
    void showInformation(const std::string& title, const std::string& text) override;
    bool askYesNo(const std::string& text) override;

private:
    // Message boxes belong to the top-level window (the sheet for a page).
    HWND owner() const;

    HWND dialog_;
};

// The portable event of a WM_COMMAND notification, if it is one the models use.
bool controlEventOf(WPARAM wParam, ControlEvent& event);

}  // namespace tintfall
