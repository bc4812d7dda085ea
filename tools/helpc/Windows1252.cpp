#include "tools/helpc/Windows1252.h"

#include <cstdint>

namespace tintfall::help {

namespace {

// Code points of the bytes 0x80..0x9F, where the code page differs from
// Latin-1; 0 marks the five unused bytes.
constexpr std::uint32_t kHighRange[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

std::optional<char> encode(std::uint32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return static_cast<char>(codePoint);
    for (int i = 0; i < 32; ++i) {
        if (kHighRange[i] != 0 && kHighRange[i] == codePoint) return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> utf8ToWindows1252(const std::string& utf8) {
    std::string out;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<std::uint8_t>(utf8[i]);
        std::size_t extra = 0;
        std::uint32_t codePoint = 0;
        if (lead < 0x80) {
            codePoint = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            codePoint = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            codePoint = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            codePoint = lead & 0x07;
        } else {
            return std::nullopt;
        }
        if (extra > utf8.size() - i - 1) return std::nullopt;
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<std::uint8_t>(utf8[i + k]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        // Overlong forms would let one character hide as another.
        const std::uint32_t smallest[4] = {0, 0x80, 0x800, 0x10000};
        if (codePoint < smallest[extra]) return std::nullopt;
        auto byte = encode(codePoint);
        if (!byte) return std::nullopt;
        out += *byte;
        i += extra + 1;
    }
    return out;
}

}  // namespace tintfall::help
