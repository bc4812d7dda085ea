#include "shell/DibImage.h"

#include "platform/DataReader.h"

namespace tintfall {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint16_t kBitmapMagic = 0x4D42;  // "BM" read little-endian
constexpr std::uint32_t kUncompressed = 0;

// Offsets of the information header fields the reader fixes up.
constexpr std::size_t kImageSizeField = 20;
constexpr std::size_t kColoursUsedField = 32;

// Header sizes whose first 40 bytes are the classic information header.
bool knownHeaderSize(std::uint32_t size) {
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

bool knownBitDepth(int bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32; }

void putUint32(std::vector<std::uint8_t>& block, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) block[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

DibImage DibImage::fromFileBytes(const std::vector<std::uint8_t>& bytes) {
    DataReader file(bytes);
    if (file.readUint16() != kBitmapMagic || !file.ok() || bytes.size() < kFileHeaderSize) return {};
    const std::uint8_t* info = bytes.data() + kFileHeaderSize;
    const std::size_t blockSize = bytes.size() - kFileHeaderSize;

    DataReader header(info, blockSize);
    const std::uint32_t headerSize = header.readUint32();
    const std::int32_t width = header.readInt32();
    const std::int32_t height = header.readInt32();
    const std::uint16_t planes = header.readUint16();
    const int bits = header.readUint16();
    const std::uint32_t compression = header.readUint32();
    const std::uint32_t imageSize = header.readUint32();
    header.readInt32();   // horizontal resolution
    header.readInt32();   // vertical resolution
    const std::uint32_t coloursUsed = header.readUint32();
    if (!header.ok() || !knownHeaderSize(headerSize) || headerSize > blockSize) return {};
    if (width <= 0 || width > kMaxSide || height <= 0 || height > kMaxSide) return {};
    if (planes != 1 || !knownBitDepth(bits) || compression != kUncompressed) return {};

    // The colours-used field counts when set; otherwise a paletted image has
    // its full table and a true-colour image none.
    const std::uint32_t colourCount = coloursUsed != 0 ? coloursUsed : (bits < 9 ? (1u << bits) : 0u);
    if (colourCount > 256) return {};

    const std::uint64_t stride = ((static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bits) + 31) / 32) * 4;
    const std::uint64_t pixelBytes = stride * static_cast<std::uint64_t>(height);
    const std::uint64_t pixelsOffset = headerSize + 4ull * colourCount;
    if (pixelsOffset + pixelBytes > blockSize) return {};

    DibImage image;
    image.block_.assign(info, info + blockSize);
    // The drawing call reads these two fields; a zero means "derive it".
    if (imageSize == 0) putUint32(image.block_, kImageSizeField, static_cast<std::uint32_t>(pixelBytes));
    if (coloursUsed == 0) putUint32(image.block_, kColoursUsedField, colourCount);

    image.colourTableOffset_ = headerSize;
    image.colourCount_ = colourCount;
    image.pixelsOffset_ = static_cast<std::size_t>(pixelsOffset);
    image.pixelBytes_ = static_cast<std::size_t>(pixelBytes);
    image.stride_ = static_cast<std::size_t>(stride);
    image.width_ = width;
    image.height_ = height;
    image.bitsPerPixel_ = bits;
    return image;
}

DibView DibImage::view() const {
    DibView v;
    if (empty()) return v;
    v.info = block_.data();
    v.infoSize = pixelsOffset_;
    v.colourTable = block_.data() + colourTableOffset_;
    v.colourCount = colourCount_;
    v.pixels = block_.data() + pixelsOffset_;
    v.pixelBytes = pixelBytes_;
    v.width = width_;
    v.height = height_;
    v.bitsPerPixel = bitsPerPixel_;
    v.stride = stride_;
    return v;
}

}  // namespace tintfall
