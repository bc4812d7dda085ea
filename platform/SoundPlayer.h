#pragma once
#include <string>

namespace tintfall {

// Asynchronous playback of a wave file; a new sound cuts off the one playing.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const std::string& path) = 0;
};

}  // namespace tintfall
