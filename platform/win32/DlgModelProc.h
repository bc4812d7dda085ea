#pragma once
// The dialog procedure of a model that only needs its initialisation and its
// button clicks: the model rides in the dialog's user data.
#include <windows.h>

#include "platform/win32/DlgControls.h"

namespace tintfall {

template <typename Model>
INT_PTR CALLBACK modelProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        Win32DialogControls controls(dialog);
        reinterpret_cast<Model*>(lParam)->onInit(controls);
        return TRUE;
    }
    auto* model = reinterpret_cast<Model*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (model == nullptr || message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return FALSE;
    Win32DialogControls controls(dialog);
    model->onCommand(controls, LOWORD(wParam));
    return TRUE;
}

}  // namespace tintfall
