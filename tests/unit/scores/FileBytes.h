#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tintfall {

// Little-endian integer at a byte offset of a file image.
inline std::int32_t int32At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(bytes.at(offset)) |
                                     static_cast<std::uint32_t>(bytes.at(offset + 1)) << 8 |
                                     static_cast<std::uint32_t>(bytes.at(offset + 2)) << 16 |
                                     static_cast<std::uint32_t>(bytes.at(offset + 3)) << 24);
}

}  // namespace tintfall
