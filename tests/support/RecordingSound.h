#pragma once
#include <string>
#include <vector>

#include "platform/SoundPlayer.h"

namespace tintfall {

// Keeps the paths it was asked to play, in order.
class RecordingSound : public SoundPlayer {
public:
    void play(const std::string& path) override { played.push_back(path); }
    std::vector<std::string> played;
};

}  // namespace tintfall
