#include "shell/DibImage.h"

#include "platform/DataReader.h"
#include "shell/DibDecode.h"
#include "shell/DibHeader.h"

namespace tintfall {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint16_t kBitmapMagic = 0x4D42;  // "BM" read little-endian

// Offsets of the information header fields the reader fixes up.
constexpr std::size_t kImageSizeField = 20;
constexpr std::size_t kColoursUsedField = 32;

// Bitmaps of the program stay far below this; a bigger file is foreign.
constexpr std::size_t kMaxBitmapBytes = 16u * 1024u * 1024u;

void putUint32(std::vector<std::uint8_t>& block, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) block[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

DibImage DibImage::fromFileBytes(const std::vector<std::uint8_t>& bytes) {
    DataReader file(bytes);
    if (file.readUint16() != kBitmapMagic || !file.ok() || bytes.size() < kFileHeaderSize) return {};
    const std::uint8_t* info = bytes.data() + kFileHeaderSize;
    const std::size_t blockSize = bytes.size() - kFileHeaderSize;
    std::optional<DibHeader> header = readDibHeader(info, blockSize);
    if (!header) return {};

    DibImage image;
    if (header->isPlain()) {
        // Drawn from the file form as it is.
        const std::uint64_t pixelBytes = header->stride() * static_cast<std::uint64_t>(header->height);
        if (header->pixelsOffset + pixelBytes > blockSize) return {};
        image.block_.assign(info, info + blockSize);
        // The drawing call reads these two fields; a zero means "derive it".
        if (header->imageSize == 0) putUint32(image.block_, kImageSizeField, static_cast<std::uint32_t>(pixelBytes));
        if (header->coloursUsed == 0) putUint32(image.block_, kColoursUsedField, header->colourCount);
    } else {
        image.block_ = decodeToPlain(*header, info, blockSize);
        if (image.block_.empty()) return {};
        const std::optional<DibHeader> plain = readDibHeader(image.block_.data(), image.block_.size());
        if (!plain) return {};
        header = plain;
    }

    image.colourTableOffset_ = header->colourTableOffset;
    image.colourCount_ = header->colourCount;
    image.pixelsOffset_ = header->pixelsOffset;
    image.stride_ = static_cast<std::size_t>(header->stride());
    image.pixelBytes_ = image.stride_ * static_cast<std::size_t>(header->height);
    image.width_ = header->width;
    image.height_ = header->height;
    image.bitsPerPixel_ = header->bits;
    return image;
}

DibImage DibImage::fromFile(Files& files, const std::string& path) {
    const std::optional<std::vector<std::uint8_t>> bytes = files.read(path, kMaxBitmapBytes);
    if (!bytes) return {};
    return fromFileBytes(*bytes);
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
