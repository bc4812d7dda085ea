#include "engine/ReplayCompression.h"

#include <array>
#include <cstring>

namespace tintfall {

namespace {

constexpr std::size_t kMinMatch = 4;
constexpr std::size_t kMaxMatch = 0x7F + kMinMatch;
constexpr std::size_t kMaxLiterals = 0x80;
constexpr std::size_t kWindow = 0xFFFF;
constexpr int kHashBits = 14;

std::uint32_t hashAt(const std::uint8_t* p) {
    std::uint32_t v;
    std::memcpy(&v, p, sizeof v);
    return (v * 2654435761u) >> (32 - kHashBits);
}

void flushLiterals(std::vector<std::uint8_t>& out, const std::uint8_t* from, std::size_t count) {
    while (count > 0) {
        const std::size_t run = count < kMaxLiterals ? count : kMaxLiterals;
        out.push_back(static_cast<std::uint8_t>(run - 1));
        out.insert(out.end(), from, from + run);
        from += run;
        count -= run;
    }
}

}  // namespace

std::vector<std::uint8_t> compressReplayBytes(const std::vector<std::uint8_t>& bytes) {
    std::vector<std::uint8_t> out;
    out.reserve(bytes.size() / 4 + 16);
    std::vector<std::int64_t> last(std::size_t{1} << kHashBits, -1);
    const std::uint8_t* data = bytes.data();
    const std::size_t size = bytes.size();
    std::size_t literalStart = 0;
    std::size_t at = 0;
    while (at + kMinMatch <= size) {
        const std::uint32_t h = hashAt(data + at);
        const std::int64_t candidate = last[h];
        last[h] = static_cast<std::int64_t>(at);
        std::size_t length = 0;
        if (candidate >= 0 && at - static_cast<std::size_t>(candidate) <= kWindow) {
            const std::size_t from = static_cast<std::size_t>(candidate);
            while (length < kMaxMatch && at + length < size && data[from + length] == data[at + length]) ++length;
        }
        if (length < kMinMatch) {
            ++at;
            continue;
        }
        flushLiterals(out, data + literalStart, at - literalStart);
        const std::size_t distance = at - static_cast<std::size_t>(candidate);
        out.push_back(static_cast<std::uint8_t>(0x80 | (length - kMinMatch)));
        out.push_back(static_cast<std::uint8_t>(distance & 0xFF));
        out.push_back(static_cast<std::uint8_t>(distance >> 8));
        for (std::size_t i = 1; i < length && at + i + kMinMatch <= size; ++i)
            last[hashAt(data + at + i)] = static_cast<std::int64_t>(at + i);
        at += length;
        literalStart = at;
    }
    flushLiterals(out, data + literalStart, size - literalStart);
    return out;
}

std::optional<std::vector<std::uint8_t>> expandReplayBytes(const std::uint8_t* data, std::size_t size,
                                                           std::size_t expectedSize) {
    std::vector<std::uint8_t> out;
    out.reserve(expectedSize);
    std::size_t at = 0;
    while (at < size) {
        const std::uint8_t token = data[at++];
        if (token < 0x80) {
            const std::size_t run = std::size_t{token} + 1;
            if (run > size - at || run > expectedSize - out.size()) return std::nullopt;
            out.insert(out.end(), data + at, data + at + run);
            at += run;
            continue;
        }
        if (size - at < 2) return std::nullopt;
        const std::size_t length = std::size_t{token & 0x7Fu} + kMinMatch;
        const std::size_t distance = std::size_t{data[at]} | (std::size_t{data[at + 1]} << 8);
        at += 2;
        if (distance == 0 || distance > out.size() || length > expectedSize - out.size()) return std::nullopt;
        // Byte by byte: a copy may overlap what it writes.
        const std::size_t from = out.size() - distance;
        for (std::size_t i = 0; i < length; ++i) out.push_back(out[from + i]);
    }
    if (out.size() != expectedSize) return std::nullopt;
    return out;
}

}  // namespace tintfall
