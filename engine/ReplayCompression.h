#pragma once
// The replay's own small compressor: LZ77 over a 64 KiB window. The stream
// is tokens: a byte below 0x80 is a run of that many plus one literal bytes
// that follow; a byte from 0x80 up is a copy of (its low 7 bits + 4) bytes
// from the distance in the next two bytes (little-endian, 1..65535) back.
// A replay is mostly the same tick byte over and over, which this packs to a
// few bytes per hundred ticks.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace tintfall {

std::vector<std::uint8_t> compressReplayBytes(const std::vector<std::uint8_t>& bytes);

// Exactly expectedSize bytes, or nothing when the data are damaged, copy from
// before their start, or would expand past expectedSize (so a small hostile
// file never makes more than the caller allowed).
std::optional<std::vector<std::uint8_t>> expandReplayBytes(const std::uint8_t* data, std::size_t size,
                                                           std::size_t expectedSize);

}  // namespace tintfall
