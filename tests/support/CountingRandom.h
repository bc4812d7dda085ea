#pragma once
// The system's random source in tests: bytes counting up from a start value,
// or a source that fails.
#include <cstddef>
#include <cstdint>

#include "platform/SecureRandom.h"

namespace tintfall {

class CountingRandom : public SecureRandom {
public:
    explicit CountingRandom(std::uint8_t start = 0) : next_(start) {}
    bool fill(std::uint8_t* bytes, std::size_t count) override {
        ++calls;
        if (fails) return false;
        for (std::size_t i = 0; i < count; ++i) bytes[i] = next_++;
        return true;
    }
    bool fails = false;
    int calls = 0;

private:
    std::uint8_t next_;
};

}  // namespace tintfall
