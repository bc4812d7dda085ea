#pragma once
// The system's cryptographic random source, for values that must not be
// guessed (the installation's upload key).
#include <cstddef>
#include <cstdint>

namespace tintfall {

class SecureRandom {
public:
    virtual ~SecureRandom() = default;
    // Fills all count bytes; false when the source gave none.
    virtual bool fill(std::uint8_t* bytes, std::size_t count) = 0;
};

}  // namespace tintfall
