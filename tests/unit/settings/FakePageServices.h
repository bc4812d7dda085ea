#pragma once
// Scripted answers of the colour chooser, the sound file chooser and the key
// capture prompt, and a record of what was played.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "settings/OptionsPage.h"

namespace tintfall {

class FakePageServices : public OptionsPageServices {
public:
    std::optional<std::int32_t> colourAnswer;
    std::optional<std::string> soundFileAnswer;
    std::deque<std::optional<int>> capturedKeys;
    std::vector<std::string> played;
    std::vector<std::int32_t> colourChooserOpenedWith;
    int captureCount = 0;

    std::optional<std::int32_t> chooseColour(std::int32_t initial) override {
        colourChooserOpenedWith.push_back(initial);
        return colourAnswer;
    }
    std::optional<std::string> chooseSoundFile() override { return soundFileAnswer; }
    std::optional<int> captureKey() override {
        ++captureCount;
        if (capturedKeys.empty()) return std::nullopt;
        auto key = capturedKeys.front();
        capturedKeys.pop_front();
        return key;
    }
    void playSound(const std::string& path) override { played.push_back(path); }
};

}  // namespace tintfall
