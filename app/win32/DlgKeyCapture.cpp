#include "app/win32/DlgKeyCapture.h"

#include "resources/dialog_ids.h"
#include "settings/KeyCapture.h"

namespace tintfall {

namespace {

INT_PTR CALLBACK captureProc(HWND prompt, UINT message, WPARAM, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(prompt, DWLP_USER, lParam);
            return TRUE;
        case WM_CLOSE: {
            // Closing the prompt in any other way is a cancel.
            auto* closed = reinterpret_cast<bool*>(GetWindowLongPtrA(prompt, DWLP_USER));
            if (closed) *closed = true;
            return TRUE;
        }
        default:
            return FALSE;
    }
}

}  // namespace

std::optional<int> runKeyCapture(HINSTANCE instance, HWND owner) {
    bool closed = false;
    HWND prompt = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_KEY_CAPTURE), owner, captureProc,
                                     reinterpret_cast<LPARAM>(&closed));
    if (prompt == nullptr) return std::nullopt;
    // A modal loop of our own, so every key-down is seen before the dialog
    // manager turns Escape, Enter or Tab into commands.
    EnableWindow(owner, FALSE);
    ShowWindow(prompt, SW_SHOW);
    SetFocus(prompt);

    KeyCapture capture;
    bool done = false;
    bool cancelled = false;
    MSG message;
    while (!done && !closed) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got <= 0) {
            // The program is ending: leave the quit message for the main loop.
            if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
            cancelled = true;
            break;
        }
        if (message.message == WM_KEYDOWN) {
            switch (capture.onMessage(true, static_cast<int>(message.wParam))) {
                case KeyCaptureStep::Cancel:
                    cancelled = true;
                    done = true;
                    continue;
                case KeyCaptureStep::Ignore:
                    continue;
                case KeyCaptureStep::CaptureAndPassOn:
                    done = true;
                    break;
                case KeyCaptureStep::PassOn:
                    break;
            }
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    // The owner is enabled first, so it gets the activation back.
    EnableWindow(owner, TRUE);
    DestroyWindow(prompt);
    if (cancelled || closed) return std::nullopt;
    return capture.captured();
}

}  // namespace tintfall
