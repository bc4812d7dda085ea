#include "app/win32/SmallDialogs.h"

#include <shellapi.h>

#include <string>

#include "platform/win32/WideText.h"
#include "resources/resource_ids.h"
#include "shell/WebAddresses.h"

namespace tintfall {

namespace {

void open(HWND dialog, const std::string& target) {
    ShellExecuteW(dialog, L"open", toWide(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

INT_PTR CALLBACK aboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) return TRUE;
    if (message != WM_COMMAND) return FALSE;
    switch (LOWORD(wParam)) {
        case IDC_ABOUT_HOMEPAGE: open(dialog, kAboutHomeUrl); return TRUE;
        case IDC_ABOUT_MAIL: open(dialog, std::string("mailto:") + kSupportMail); return TRUE;
        case IDOK:
        case IDCANCEL: EndDialog(dialog, LOWORD(wParam)); return TRUE;
        default: return FALSE;
    }
}

INT_PTR CALLBACK championsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) return TRUE;
    if (message != WM_COMMAND) return FALSE;
    switch (LOWORD(wParam)) {
        // The dialog stays open while the page opens.
        case IDC_CHAMPIONS_TOP50: open(dialog, kTop50PageUrl); return TRUE;
        case IDOK:
        case IDCANCEL: EndDialog(dialog, LOWORD(wParam)); return TRUE;
        default: return FALSE;
    }
}

}  // namespace

void runAboutBox(HINSTANCE instance, HWND owner) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_ABOUT), owner, aboutProc, 0);
}

void runChampionsDialog(HINSTANCE instance, HWND owner) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_CHAMPIONS), owner, championsProc, 0);
}

}  // namespace tintfall
