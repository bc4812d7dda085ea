#include "settings/KeyCapture.h"

namespace tintfall {

namespace {
constexpr int kEscape = 27;
constexpr int kF1 = 112;
constexpr int kF12 = 123;
}  // namespace

KeyCaptureStep KeyCapture::onMessage(bool isKeyDown, int keyCode) {
    if (!isKeyDown) return KeyCaptureStep::PassOn;
    if (keyCode == kEscape) return KeyCaptureStep::Cancel;
    // The function keys are the program's accelerators; none can be bound.
    if (keyCode >= kF1 && keyCode <= kF12) return KeyCaptureStep::Ignore;
    captured_ = keyCode;
    return KeyCaptureStep::CaptureAndPassOn;
}

}  // namespace tintfall
