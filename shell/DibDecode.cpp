#include "shell/DibDecode.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace tintfall {
namespace {

constexpr std::size_t kPlainHeaderSize = 40;

std::size_t paddedStride(std::int32_t width, int bits) {
    return ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bits) + 31) / 32) * 4;
}

void put32(std::uint8_t* at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t get32(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
           static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

// The output block: a 40-byte header, a colour table of colourCount entries
// filled from the file's (the rest black), and zeroed rows to fill.
struct PlainImage {
    std::vector<std::uint8_t> block;
    std::size_t stride = 0;
    std::uint8_t* rows = nullptr;

    PlainImage(const DibHeader& h, const std::uint8_t* source, int bits, std::uint32_t colourCount) {
        stride = paddedStride(h.width, bits);
        const std::size_t pixelBytes = stride * static_cast<std::size_t>(h.height);
        const std::size_t tableBytes = 4u * colourCount;
        block.assign(kPlainHeaderSize + tableBytes + pixelBytes, 0);
        std::uint8_t* b = block.data();
        put32(b, 40);
        put32(b + 4, static_cast<std::uint32_t>(h.width));
        put32(b + 8, static_cast<std::uint32_t>(h.height));
        b[12] = 1;
        b[14] = static_cast<std::uint8_t>(bits);
        put32(b + 20, static_cast<std::uint32_t>(pixelBytes));
        put32(b + 24, static_cast<std::uint32_t>(h.xResolution));
        put32(b + 28, static_cast<std::uint32_t>(h.yResolution));
        put32(b + 32, colourCount);
        const std::size_t copied = 4u * std::min(colourCount, h.colourCount);
        if (copied != 0) std::memcpy(b + kPlainHeaderSize, source + h.colourTableOffset, copied);
        rows = b + kPlainHeaderSize + tableBytes;
    }
    // Row 0 is the bottom row.
    std::uint8_t* row(std::int32_t fromBottom) { return rows + stride * static_cast<std::size_t>(fromBottom); }
};

// One channel of a packed pixel scaled to 0..255.
std::uint8_t channel(std::uint32_t pixel, std::uint32_t mask) {
    int shift = 0;
    while (((mask >> shift) & 1u) == 0) ++shift;
    const std::uint64_t top = mask >> shift;
    const std::uint64_t value = (pixel & mask) >> shift;
    return static_cast<std::uint8_t>((value * 255 + top / 2) / top);
}

bool runLength(const DibHeader& h) { return h.compression == DibRle8 || h.compression == DibRle4; }
bool packed(const DibHeader& h) { return h.bits == 16 || h.compression == DibBitFields; }
int plainBits(const DibHeader& h) { return runLength(h) ? 8 : packed(h) ? 24 : h.bits; }

std::vector<std::uint8_t> decodeRows(const DibHeader& h, const std::uint8_t* block) {
    const std::uint64_t inStride = h.stride();
    const int outBits = plainBits(h);
    PlainImage out(h, block, outBits, outBits <= 8 ? h.colourCount : 0u);
    for (std::int32_t y = 0; y < h.height; ++y) {
        const std::uint8_t* in = block + h.pixelsOffset + inStride * static_cast<std::uint64_t>(y);
        std::uint8_t* row = out.row(h.topDown ? h.height - 1 - y : y);
        if (!packed(h)) {
            std::memcpy(row, in, out.stride);
            continue;
        }
        for (std::int32_t x = 0; x < h.width; ++x) {
            const std::uint32_t pixel = h.bits == 16 ? static_cast<std::uint32_t>(in[2 * x] | in[2 * x + 1] << 8)
                                                     : get32(in + 4 * static_cast<std::size_t>(x));
            row[3 * x] = channel(pixel, h.masks[2]);
            row[3 * x + 1] = channel(pixel, h.masks[1]);
            row[3 * x + 2] = channel(pixel, h.masks[0]);
        }
    }
    return std::move(out.block);
}

// Runs of RLE8 or RLE4 data from the bottom-left corner; pixels outside the
// image are dropped, skipped ones stay colour 0, and data that ends early
// leaves the rest of the image as it is. The table gets all 256 entries, so
// an index past the file's own table draws black.
std::vector<std::uint8_t> decodeRuns(const DibHeader& h, const std::uint8_t* block, std::size_t size) {
    PlainImage out(h, block, 8, 256);
    std::size_t end = size;
    if (h.imageSize != 0 && h.imageSize < size - h.pixelsOffset) end = h.pixelsOffset + h.imageSize;
    const bool nibbles = h.compression == DibRle4;
    std::int64_t x = 0;
    std::int64_t y = 0;
    auto put = [&](std::uint8_t index) {
        if (x >= 0 && x < h.width && y < h.height) out.row(static_cast<std::int32_t>(y))[x] = index;
        ++x;
    };
    std::size_t i = h.pixelsOffset;
    while (i + 1 < end && y < h.height) {
        const std::uint8_t count = block[i];
        const std::uint8_t value = block[i + 1];
        i += 2;
        if (count > 0) {
            for (int k = 0; k < count; ++k) put(nibbles ? (k % 2 == 0 ? value >> 4 : value & 0x0F) : value);
        } else if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (i + 1 >= end) break;
            x += block[i];
            y += block[i + 1];
            i += 2;
        } else {
            const std::size_t bytes = nibbles ? (value + 1u) / 2u : value;
            if (end - i < bytes) break;
            for (int k = 0; k < value; ++k) {
                const std::uint8_t b = block[i + (nibbles ? static_cast<std::size_t>(k / 2) : static_cast<std::size_t>(k))];
                put(nibbles ? (k % 2 == 0 ? b >> 4 : b & 0x0F) : b);
            }
            i += bytes + (bytes & 1u);  // absolute runs end on a 16-bit boundary
        }
    }
    return std::move(out.block);
}

}  // namespace

bool canDecode(const DibHeader& header, std::uint64_t size) {
    const std::uint64_t height = static_cast<std::uint64_t>(header.height);
    if (!runLength(header) && header.pixelsOffset + header.stride() * height > size) return false;
    return paddedStride(header.width, plainBits(header)) * height <= kMaxDecodedBytes;
}

std::vector<std::uint8_t> decodeToPlain(const DibHeader& header, const std::uint8_t* block, std::size_t size) {
    if (!canDecode(header, size)) return {};
    if (runLength(header)) return decodeRuns(header, block, size);
    return decodeRows(header, block);
}

}  // namespace tintfall
