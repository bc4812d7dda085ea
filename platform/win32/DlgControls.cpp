#include "platform/win32/DlgControls.h"

#include <commctrl.h>

#include <vector>

#include "platform/win32/WideText.h"

namespace tintfall {

namespace {
constexpr const char* kTitle = "Tintfall";
}  // namespace

// Painted at once: a blocking step may follow before the next message. The
// look at the queue, which waits for nothing, is what makes Wine copy the
// painted window to the screen.
void Win32DialogControls::setText(int id, const std::string& text) {
    SetDlgItemTextW(dialog_, id, toWide(text).c_str());
    UpdateWindow(GetDlgItem(dialog_, id));
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
}

std::string Win32DialogControls::text(int id) {
    HWND control = GetDlgItem(dialog_, id);
    const int length = GetWindowTextLengthA(control);
    if (length <= 0) return {};
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    const int copied = GetWindowTextA(control, buffer.data(), length + 1);
    return std::string(buffer.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

void Win32DialogControls::setChecked(int id, bool checked) {
    CheckDlgButton(dialog_, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool Win32DialogControls::isChecked(int id) { return IsDlgButtonChecked(dialog_, id) == BST_CHECKED; }

void Win32DialogControls::setEnabled(int id, bool enabled) { EnableWindow(GetDlgItem(dialog_, id), enabled); }

void Win32DialogControls::addListItem(int id, const std::string& text) {
    SendDlgItemMessageA(dialog_, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Win32DialogControls::selectListItem(int id, int index) { SendDlgItemMessageA(dialog_, id, CB_SETCURSEL, index, 0); }

int Win32DialogControls::listSelection(int id) {
    const LRESULT selection = SendDlgItemMessageA(dialog_, id, CB_GETCURSEL, 0, 0);
    return selection == CB_ERR ? -1 : static_cast<int>(selection);
}

void Win32DialogControls::setSpinRange(int id, int low, int high) {
    SendDlgItemMessageA(dialog_, id, UDM_SETRANGE32, static_cast<WPARAM>(low), static_cast<LPARAM>(high));
}

void Win32DialogControls::setSpinPosition(int id, int position) {
    SendDlgItemMessageA(dialog_, id, UDM_SETPOS32, 0, static_cast<LPARAM>(position));
}

int Win32DialogControls::spinPosition(int id) {
    return static_cast<int>(SendDlgItemMessageA(dialog_, id, UDM_GETPOS32, 0, 0));
}

void Win32DialogControls::setWindowTitle(const std::string& title) { SetWindowTextA(dialog_, title.c_str()); }

void Win32DialogControls::startTimer(int id, unsigned periodMs) { SetTimer(dialog_, static_cast<UINT_PTR>(id), periodMs, nullptr); }

void Win32DialogControls::stopTimer(int id) { KillTimer(dialog_, static_cast<UINT_PTR>(id)); }

void Win32DialogControls::endDialog(int result) { EndDialog(dialog_, result); }

HWND Win32DialogControls::owner() const {
    HWND root = GetAncestor(dialog_, GA_ROOT);
    return root ? root : dialog_;
}

void Win32DialogControls::showError(const std::string& text) {
    MessageBoxW(owner(), toWide(text).c_str(), toWide(kTitle).c_str(), MB_OK | MB_ICONEXCLAMATION);
}

void Win32DialogControls::showInformation(const std::string& title, const std::string& text) {
    MessageBoxW(owner(), toWide(text).c_str(), toWide(title).c_str(), MB_OK | MB_ICONINFORMATION);
}

bool Win32DialogControls::askYesNo(const std::string& text) {
    return MessageBoxW(owner(), toWide(text).c_str(), toWide(kTitle).c_str(), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

bool controlEventOf(WPARAM wParam, ControlEvent& event) {
    switch (HIWORD(wParam)) {
        case BN_CLICKED: event = ControlEvent::Clicked; return true;  // also a menu or accelerator
        case CBN_SELCHANGE: event = ControlEvent::SelectionChanged; return true;
        case EN_CHANGE: event = ControlEvent::TextChanged; return true;
        default: return false;
    }
}

}  // namespace tintfall
