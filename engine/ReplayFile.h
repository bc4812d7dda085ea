#pragma once
// A replay as stored and sent: "TFRP", the format number, the size of the
// event stream, then the stream compressed (engine/ReplayCompression.h).
// The reader is bounded: it refuses a file or a stream over its limits
// before allocating them.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tintfall {

inline constexpr std::uint16_t kReplayFormat = 1;
// Replay files name the file they belong to plus this ending.
inline constexpr const char* kReplayFileEnding = ".tfr";
inline constexpr std::size_t kReplayMaxFileBytes = 1024 * 1024;
// 8 MiB of events is days of play.
inline constexpr std::size_t kReplayMaxEventBytes = 8 * 1024 * 1024;

std::vector<std::uint8_t> encodeReplayFile(const std::vector<std::uint8_t>& events);

struct ReplayFileRead {
    std::vector<std::uint8_t> events;
    std::string failure;  // empty when read
    bool ok() const { return failure.empty(); }
};

ReplayFileRead parseReplayFile(const std::uint8_t* data, std::size_t size);
inline ReplayFileRead parseReplayFile(const std::vector<std::uint8_t>& bytes) {
    return parseReplayFile(bytes.data(), bytes.size());
}

}  // namespace tintfall
