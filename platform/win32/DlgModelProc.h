#pragma once
// The dialog procedure of a model that only needs its initialisation and its
// button clicks, and the two steps every model's procedure starts with: the
// model rides in the dialog's user data.
#include <windows.h>

#include "platform/win32/DlgControls.h"

namespace tintfall {

// WM_INITDIALOG: the model (lParam) goes into the dialog's user data and
// initialises its controls.
template <typename Model>
void initModel(HWND dialog, LPARAM lParam) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    Win32DialogControls controls(dialog);
    reinterpret_cast<Model*>(lParam)->onInit(controls);
}

// The dialog's model; null for the messages before WM_INITDIALOG.
template <typename Model>
Model* modelOf(HWND dialog) {
    return reinterpret_cast<Model*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

template <typename Model>
INT_PTR CALLBACK modelProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        initModel<Model>(dialog, lParam);
        return TRUE;
    }
    auto* model = modelOf<Model>(dialog);
    if (model == nullptr || message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return FALSE;
    Win32DialogControls controls(dialog);
    model->onCommand(controls, LOWORD(wParam));
    return TRUE;
}

}  // namespace tintfall
