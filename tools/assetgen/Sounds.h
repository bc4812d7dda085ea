#pragma once
// The sixteen sound effects, synthesised: 16-bit PCM mono at 22050 Hz.
#include <cstdint>
#include <string>
#include <vector>

namespace tintfall::assetgen {

constexpr int kSampleRate = 22050;

struct SoundFile {
    std::string name;  // relative, e.g. "snd\\button.wav"
    std::vector<std::int16_t> samples;
};

// The sounds in slot order of the settings (button, drop0..drop4, line, ...).
std::vector<SoundFile> makeSounds();
std::vector<std::uint8_t> encodeWave(const std::vector<std::int16_t>& samples);

}  // namespace tintfall::assetgen
