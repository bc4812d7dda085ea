#include "shell/DibHeader.h"

#include "platform/DataReader.h"
#include "shell/DibImage.h"

namespace tintfall {
namespace {

// Header sizes whose first 40 bytes are the classic information header.
bool knownHeaderSize(std::uint32_t size) {
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

bool knownForm(int bits, std::uint32_t compression) {
    switch (compression) {
    case DibRgb: return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case DibRle8: return bits == 8;
    case DibRle4: return bits == 4;
    case DibBitFields: return bits == 16 || bits == 32;
    default: return false;
    }
}

}  // namespace

std::uint64_t DibHeader::stride() const {
    return ((static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bits) + 31) / 32) * 4;
}

bool DibHeader::isPlain() const { return compression == DibRgb && bits != 16 && !topDown; }

std::optional<DibHeader> readDibHeader(const std::uint8_t* block, std::size_t size) {
    DataReader in(block, size);
    DibHeader h;
    h.headerSize = in.readUint32();
    h.width = in.readInt32();
    const std::int32_t height = in.readInt32();
    const std::uint16_t planes = in.readUint16();
    h.bits = in.readUint16();
    h.compression = in.readUint32();
    h.imageSize = in.readUint32();
    h.xResolution = in.readInt32();
    h.yResolution = in.readInt32();
    h.coloursUsed = in.readUint32();
    if (!in.ok() || !knownHeaderSize(h.headerSize) || h.headerSize > size) return std::nullopt;
    constexpr std::int32_t kMaxSide = DibImage::kMaxSide;
    if (h.width <= 0 || h.width > kMaxSide || height == 0 || height > kMaxSide || height < -kMaxSide) return std::nullopt;
    h.topDown = height < 0;
    h.height = h.topDown ? -height : height;
    if (planes != 1 || !knownForm(h.bits, h.compression)) return std::nullopt;
    // Run-length rows always start at the bottom.
    if (h.topDown && (h.compression == DibRle8 || h.compression == DibRle4)) return std::nullopt;

    // Bit-field masks follow a 40-byte header and lie inside the longer ones.
    h.colourTableOffset = h.headerSize;
    if (h.compression == DibBitFields) {
        DataReader masks(block + 40, size - 40);
        for (std::uint32_t& mask : h.masks) mask = masks.readUint32();
        if (!masks.ok()) return std::nullopt;
        if (h.headerSize == 40) h.colourTableOffset += 12;
        for (std::uint32_t mask : h.masks)
            if (mask == 0) return std::nullopt;
    } else if (h.bits == 16) {
        h.masks = {0x7C00, 0x03E0, 0x001F};
    } else if (h.bits == 32) {
        h.masks = {0xFF0000, 0x00FF00, 0x0000FF};
    }

    // The colours-used field counts when set; otherwise a paletted image has
    // its full table and a true-colour image none.
    h.colourCount = h.coloursUsed != 0 ? h.coloursUsed : (h.bits < 9 ? (1u << h.bits) : 0u);
    if (h.colourCount > 256) return std::nullopt;
    const std::uint64_t pixelsOffset = h.colourTableOffset + 4ull * h.colourCount;
    if (pixelsOffset > size) return std::nullopt;
    h.pixelsOffset = static_cast<std::size_t>(pixelsOffset);
    return h;
}

}  // namespace tintfall
