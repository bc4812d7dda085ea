#include "tools/assetgen/Sounds.h"

#include <algorithm>
#include <cmath>

#include "platform/DataWriter.h"
#include "settings/GameSettings.h"
#include "tools/assetgen/Canvas2d.h"

namespace tintfall::assetgen {
namespace {

constexpr double kTwoPi = 6.283185307179586;

// A mono mix buffer in floating point; tones and noise are added into it.
class Mix {
public:
    explicit Mix(double seconds) : buffer_(static_cast<std::size_t>(seconds * kSampleRate), 0.0) {}

    // A tone gliding from f0 to f1 Hz, with an attack and an exponential decay.
    void tone(double start, double length, double f0, double f1, double volume, double decay, int harmonics = 1) {
        double phase = 0;
        const std::size_t first = static_cast<std::size_t>(start * kSampleRate);
        const std::size_t count = static_cast<std::size_t>(length * kSampleRate);
        for (std::size_t i = 0; i < count && first + i < buffer_.size(); ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            const double f = f0 + (f1 - f0) * (t / length);
            phase += kTwoPi * f / kSampleRate;
            double v = 0;
            for (int h = 1; h <= harmonics; ++h) v += std::sin(phase * h) / (h * h);
            buffer_[first + i] += v * volume * envelope(t, length, decay);
        }
    }

    // Noise through a one-pole low-pass whose cut-off moves from c0 to c1 (0..1).
    void noise(double start, double length, double c0, double c1, double volume, double decay, std::uint32_t seed) {
        Noise random(seed);
        double low = 0;
        const std::size_t first = static_cast<std::size_t>(start * kSampleRate);
        const std::size_t count = static_cast<std::size_t>(length * kSampleRate);
        for (std::size_t i = 0; i < count && first + i < buffer_.size(); ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            const double cut = c0 + (c1 - c0) * (t / length);
            low += cut * (random.range(-1, 1) - low);
            buffer_[first + i] += low * volume * envelope(t, length, decay);
        }
    }

    std::vector<std::int16_t> samples() const {
        double peak = 1e-9;
        for (double v : buffer_) peak = std::max(peak, std::fabs(v));
        const double gain = std::min(1.0, 0.85 / peak);
        std::vector<std::int16_t> out(buffer_.size());
        for (std::size_t i = 0; i < buffer_.size(); ++i) {
            out[i] = static_cast<std::int16_t>(std::lround(std::clamp(buffer_[i] * gain, -1.0, 1.0) * 32767.0));
        }
        return out;
    }

private:
    static double envelope(double t, double length, double decay) {
        const double attack = std::min(1.0, t / 0.004);
        const double release = std::min(1.0, (length - t) / 0.01);
        return attack * std::max(0.0, release) * std::exp(-t * decay);
    }

    std::vector<double> buffer_;
};

double note(int semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }

std::vector<std::int16_t> button() {
    Mix m(0.05);
    m.tone(0, 0.05, 1900, 1500, 0.6, 90);
    m.noise(0, 0.01, 0.8, 0.8, 0.3, 200, 7);
    return m.samples();
}

// Five landing thuds, each a little higher and brighter than the last.
std::vector<std::int16_t> drop(int variant) {
    Mix m(0.16);
    const double base = 150 + 22 * variant;
    m.tone(0, 0.16, base, base * 0.5, 0.9, 28, 2);
    m.noise(0, 0.05, 0.25 + 0.08 * variant, 0.05, 0.5, 60, 11 + static_cast<std::uint32_t>(variant));
    return m.samples();
}

std::vector<std::int16_t> line() {
    Mix m(0.42);
    const int steps[] = {3, 7, 10, 15};
    for (int i = 0; i < 4; ++i) m.tone(0.06 * i, 0.24, note(steps[i]), note(steps[i]), 0.45, 12, 3);
    m.noise(0, 0.3, 0.9, 0.6, 0.06, 10, 21);
    return m.samples();
}

std::vector<std::int16_t> bomb() {
    Mix m(0.7);
    m.noise(0, 0.7, 0.6, 0.03, 1.0, 6, 31);
    m.tone(0, 0.6, 90, 35, 0.8, 5);
    return m.samples();
}

std::vector<std::int16_t> gameOver() {
    Mix m(1.2);
    const int steps[] = {-2, -5, -9, -14};
    for (int i = 0; i < 4; ++i) m.tone(0.22 * i, 0.4, note(steps[i]), note(steps[i]) * 0.98, 0.5, 4, 4);
    return m.samples();
}

std::vector<std::int16_t> gameWin() {
    Mix m(1.3);
    const int steps[] = {3, 7, 10, 15, 15};
    const double starts[] = {0, 0.13, 0.26, 0.39, 0.52};
    for (int i = 0; i < 5; ++i) m.tone(starts[i], i == 4 ? 0.75 : 0.16, note(steps[i]), note(steps[i]), 0.45, 3, 3);
    m.tone(0.52, 0.75, note(10), note(10), 0.25, 3, 3);
    m.tone(0.52, 0.75, note(7), note(7), 0.2, 3, 3);
    return m.samples();
}

std::vector<std::int16_t> level() {
    Mix m(0.6);
    m.tone(0, 0.3, note(5), note(5), 0.5, 7, 2);
    m.tone(0.15, 0.45, note(12), note(12), 0.5, 6, 2);
    return m.samples();
}

std::vector<std::int16_t> tick() {
    Mix m(0.07);
    m.tone(0, 0.07, 1100, 1050, 0.7, 70, 3);
    m.noise(0, 0.015, 0.9, 0.9, 0.3, 150, 41);
    return m.samples();
}

std::vector<std::int16_t> rowAdded() {
    Mix m(0.32);
    m.noise(0, 0.32, 0.05, 0.35, 0.8, 6, 51);
    m.tone(0, 0.32, 70, 140, 0.5, 4);
    return m.samples();
}

std::vector<std::int16_t> start() {
    Mix m(0.45);
    m.tone(0, 0.3, 300, 900, 0.4, 3, 2);
    m.tone(0.28, 0.17, 900, 900, 0.4, 15, 2);
    return m.samples();
}

std::vector<std::int16_t> bombOut() {
    Mix m(0.4);
    m.noise(0, 0.4, 0.5, 0.02, 0.6, 7, 61);
    m.tone(0, 0.35, 700, 120, 0.35, 6);
    return m.samples();
}

std::vector<std::int16_t> best() {
    Mix m(0.8);
    m.tone(0, 0.4, note(19), note(19), 0.45, 8, 2);
    m.tone(0.12, 0.68, note(24), note(24), 0.45, 5, 2);
    m.tone(0.12, 0.68, note(31), note(31), 0.12, 6, 1);
    return m.samples();
}

}  // namespace

std::vector<SoundFile> makeSounds() {
    const auto& names = defaultSoundNames();
    std::vector<std::vector<std::int16_t>> samples = {
        button(), drop(0), drop(1), drop(2), drop(3), drop(4), line(), bomb(),
        gameOver(), gameWin(), level(), tick(), rowAdded(), start(), bombOut(), best(),
    };
    std::vector<SoundFile> sounds;
    for (std::size_t i = 0; i < samples.size(); ++i) sounds.push_back({names[i], std::move(samples[i])});
    return sounds;
}

std::vector<std::uint8_t> encodeWave(const std::vector<std::int16_t>& samples) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    DataWriter out;
    for (char c : std::string("RIFF")) out.writeByte(static_cast<std::uint8_t>(c));
    out.writeUint32(36 + dataBytes);
    for (char c : std::string("WAVEfmt ")) out.writeByte(static_cast<std::uint8_t>(c));
    out.writeUint32(16);
    out.writeUint16(1);  // PCM
    out.writeUint16(1);  // mono
    out.writeUint32(kSampleRate);
    out.writeUint32(kSampleRate * 2);
    out.writeUint16(2);
    out.writeUint16(16);
    for (char c : std::string("data")) out.writeByte(static_cast<std::uint8_t>(c));
    out.writeUint32(dataBytes);
    for (std::int16_t s : samples) out.writeUint16(static_cast<std::uint16_t>(s));
    return out.bytes();
}

}  // namespace tintfall::assetgen
