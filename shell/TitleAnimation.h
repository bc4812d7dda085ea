#pragma once
// The window title's letter animation: a fixed loop of 205 title texts with
// their waits, stepped from the 20 ms game timer. With the animation off the
// title shows the plain name, set again every 10 seconds.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tintfall {

struct TitleFrame {
    std::string text;
    // The wait after this frame and the following ones, when the frame sets one.
    std::optional<std::uint32_t> interval;
};

constexpr int kTitleFrameCount = 205;
constexpr std::uint32_t kTitleStartInterval = 100;
constexpr std::uint32_t kTitleOffInterval = 10000;
inline constexpr const char* kTitleName = "Tintfall";

// Frames 0 to 204, in order.
const std::vector<TitleFrame>& titleFrames();

struct TitleAnimation {
    bool on = true;
    int titleFrame = 0;
    std::uint32_t titleInterval = kTitleStartInterval;
    std::uint32_t titleLastStep = 0;

    // Starts (on) at frame 0, or shows the plain name (off); returns the
    // title to show at once.
    std::string setTitleAnimation(bool animate, std::uint32_t now);
    // One timer tick: the title to show when a step is due, else nothing.
    // At most one frame per call, so a long pause never skips frames.
    std::optional<std::string> stepTitle(std::uint32_t now);
};

}  // namespace tintfall
