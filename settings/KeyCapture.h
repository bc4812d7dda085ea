#pragma once
// The key capture prompt: a one-line modal box that waits for the key to
// bind. It looks at key-down messages before they are dispatched.
#include <optional>

namespace tintfall {

enum class KeyCaptureStep {
    PassOn,           // not a plain key-down: dispatch normally
    Cancel,           // Escape: close with Cancel, message consumed
    Ignore,           // F1..F12: consumed, the prompt stays open
    CaptureAndPassOn  // any other key: store it, close with OK, dispatch
};

class KeyCapture {
public:
    static constexpr const char* kPromptText = "Press a key to define new key or ESCAPE to cancel";

    // One message seen by the prompt. System key-downs (Alt, F10) arrive
    // as a different message and are never captured.
    KeyCaptureStep onMessage(bool isKeyDown, int keyCode);

    // The captured code once the prompt closed with OK.
    std::optional<int> captured() const { return captured_; }

private:
    std::optional<int> captured_;
};

}  // namespace tintfall
