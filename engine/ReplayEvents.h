#pragma once
// The event stream of a replay: what reached the engine (commands) and what
// the engine read from outside while carrying them out (clock readings,
// waits, seeds, the host's answers), in order. Numbers are variable-length
// (7 bits a byte, low first; signed ones zig-zag), so a tick of play whose
// clock moved by less than 128 ms is one byte.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "settings/GameSettings.h"

namespace tintfall {

inline constexpr std::uint8_t kReplayTickWithReading = 0x80;  // | the clock's advance, 0..127 ms

enum ReplayTag : std::uint8_t {
    // Commands.
    ReplayBegin = 1,       // rules, then the flags newGame starts from
    ReplayTick = 2,        // one gameStep
    ReplayIdleTicks = 3,   // count: gameSteps that read nothing
    ReplayKeyMessage = 4,  // down (0/1), key code: preTranslateKey
    ReplayKeyDown = 5,     // key code: onKeyDown
    ReplayStartStop = 6,   // caller
    ReplayTogglePause = 7,
    ReplaySuspend = 8,     // suspendForModal
    ReplayResume = 9,      // the pause flag handed back
    ReplayAppActive = 10,  // 0/1
    ReplayLoaded = 11,     // the flags and keys a loaded game continues with
    ReplayRules = 12,      // the rules changed during the game
    // What the engine read.
    ReplayReading = 32,    // the clock's advance since the last reading (signed)
    ReplaySleep = 33,      // ms
    ReplayCalendar = 34,   // seconds (signed)
    ReplayDateText = 35,   // text
    ReplayAnswer = 36,     // 0/1
    ReplayBestScore = 37,  // signed
};

inline bool isReplayCommand(std::uint8_t tag) { return tag >= kReplayTickWithReading || (tag >= ReplayBegin && tag <= ReplayRules); }

// The settings that change how a game plays, in one comparable record.
struct ReplayRulesRecord {
    std::array<std::int32_t, 7> values{};  // mode, colours, piece size, bombs, the two delays, start level
    std::array<std::int32_t, kControlActionCount> keyDelay{};
    std::array<std::int32_t, kControlActionCount> keyCode{};

    bool operator==(const ReplayRulesRecord& other) const {
        return values == other.values && keyDelay == other.keyDelay && keyCode == other.keyCode;
    }
    bool operator!=(const ReplayRulesRecord& other) const { return !(*this == other); }
};

inline ReplayRulesRecord replayRulesOf(const GameSettings& s) {
    return {{s.gameMode, s.colourCount, s.blockCountCode, s.bombsEnabled, s.demolitionDelay, s.levelAnimationDelay,
             s.startLevelIndex},
            s.keyDelay,
            s.keyCode};
}

inline void applyReplayRules(const ReplayRulesRecord& r, GameSettings& s) {
    s.gameMode = r.values[0];
    s.colourCount = r.values[1];
    s.blockCountCode = r.values[2];
    s.bombsEnabled = r.values[3];
    s.demolitionDelay = r.values[4];
    s.levelAnimationDelay = r.values[5];
    s.startLevelIndex = r.values[6];
    s.keyDelay = r.keyDelay;
    s.keyCode = r.keyCode;
}

inline void putReplayNumber(std::vector<std::uint8_t>& out, std::uint64_t value) {
    while (value >= 0x80) {
        out.push_back(static_cast<std::uint8_t>(value | 0x80));
        value >>= 7;
    }
    out.push_back(static_cast<std::uint8_t>(value));
}

inline void putReplaySigned(std::vector<std::uint8_t>& out, std::int64_t value) {
    putReplayNumber(out, (static_cast<std::uint64_t>(value) << 1) ^ static_cast<std::uint64_t>(value >> 63));
}

// Reads the stream; past its end or on an over-long number it stays failed
// and yields zeros.
class ReplayEventReader {
public:
    ReplayEventReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool ok() const { return ok_; }
    bool atEnd() const { return position_ >= size_; }
    std::size_t position() const { return position_; }
    std::uint8_t peek() const { return atEnd() ? 0 : data_[position_]; }

    std::uint8_t byte() {
        if (atEnd()) {
            ok_ = false;
            return 0;
        }
        return data_[position_++];
    }
    std::uint64_t number() {
        std::uint64_t value = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            const std::uint8_t b = byte();
            value |= static_cast<std::uint64_t>(b & 0x7F) << shift;
            if (!(b & 0x80)) return value;
        }
        ok_ = false;
        return 0;
    }
    std::int64_t signedNumber() {
        const std::uint64_t v = number();
        return static_cast<std::int64_t>(v >> 1) ^ -static_cast<std::int64_t>(v & 1);
    }
    std::int32_t int32() { return static_cast<std::int32_t>(signedNumber()); }
    std::string text(std::size_t maxLength) {
        const std::uint64_t length = number();
        if (!ok_ || length > maxLength || length > size_ - position_) {
            ok_ = false;
            return {};
        }
        std::string value(reinterpret_cast<const char*>(data_ + position_), static_cast<std::size_t>(length));
        position_ += static_cast<std::size_t>(length);
        return value;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
    bool ok_ = true;
};

}  // namespace tintfall
