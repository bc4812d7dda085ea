#include "shell/DibImage.h"

#include <algorithm>
#include <utility>

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


void putUint32(std::vector<std::uint8_t>& block, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) block[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

// The information header of a file given whole or by its first bytes.
std::optional<DibHeader> fileHeader(const std::vector<std::uint8_t>& bytes) {
    DataReader file(bytes);
    if (file.readUint16() != kBitmapMagic || !file.ok() || bytes.size() < kFileHeaderSize) return std::nullopt;
    return readDibHeader(bytes.data() + kFileHeaderSize, bytes.size() - kFileHeaderSize);
}

std::uint64_t plainPixelBytes(const DibHeader& header) {
    return header.stride() * static_cast<std::uint64_t>(header.height);
}

// Whether the rows of a plain image lie inside the block after the file header.
bool plainRowsFit(const DibHeader& header, std::uint64_t blockSize) {
    return header.pixelsOffset + plainPixelBytes(header) <= blockSize;
}

}  // namespace

DibImage DibImage::fromFileBytes(std::vector<std::uint8_t> bytes) {
    std::optional<DibHeader> header = fileHeader(bytes);
    if (!header) return {};
    const std::size_t blockSize = bytes.size() - kFileHeaderSize;

    DibImage image;
    if (header->isPlain()) {
        // Drawn from the file form as it is, in the bytes read.
        if (!plainRowsFit(*header, blockSize)) return {};
        bytes.erase(bytes.begin(), bytes.begin() + kFileHeaderSize);
        image.block_ = std::move(bytes);
        // The drawing call reads these two fields; a zero means "derive it".
        if (header->imageSize == 0)
            putUint32(image.block_, kImageSizeField, static_cast<std::uint32_t>(plainPixelBytes(*header)));
        if (header->coloursUsed == 0) putUint32(image.block_, kColoursUsedField, header->colourCount);
    } else {
        image.block_ = decodeToPlain(*header, bytes.data() + kFileHeaderSize, blockSize);
        if (image.block_.empty()) return {};
        const std::optional<DibHeader> plain = readDibHeader(image.block_.data(), image.block_.size());
        if (!plain) return {};
        header = plain;
    }
    image.adopt(*header);
    return image;
}

void DibImage::adopt(const DibHeader& header) {
    colourTableOffset_ = header.colourTableOffset;
    colourCount_ = header.colourCount;
    pixelsOffset_ = header.pixelsOffset;
    stride_ = static_cast<std::size_t>(header.stride());
    pixelBytes_ = stride_ * static_cast<std::size_t>(header.height);
    width_ = header.width;
    height_ = header.height;
    bitsPerPixel_ = header.bits;
}

DibImage DibImage::fromFile(Files& files, const std::string& path) {
    std::optional<std::vector<std::uint8_t>> bytes = files.read(path, kMaxFileBytes);
    if (!bytes) return {};
    return fromFileBytes(std::move(*bytes));
}

bool DibImage::canDraw(Files& files, const std::string& path) {
    const std::optional<FileStart> start = files.readStart(path, kHeadersBytes, kMaxFileBytes);
    return start && canDrawStart(*start);
}

bool DibImage::canDrawStart(const FileStart& start) {
    // readDibHeader looks at no byte past kHeadersBytes, so its verdict on
    // the start of a longer file is its verdict on the whole file.
    const std::optional<DibHeader> header = fileHeader(start.bytes);
    if (!header) return false;
    const std::uint64_t blockSize = start.size - kFileHeaderSize;
    return header->isPlain() ? plainRowsFit(*header, blockSize) : canDecode(*header, blockSize);
}

DibImage DibImage::fromRows(int width, int height, const std::vector<std::uint8_t>& topDownRows, DisplayScale scale) {
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide ||
        topDownRows.size() != rowBytes * static_cast<std::size_t>(height))
        return {};
    constexpr std::size_t kInfoHeaderSize = 40;
    const std::size_t stride = (rowBytes + 3) & ~static_cast<std::size_t>(3);
    const std::size_t pixelBytes = stride * static_cast<std::size_t>(height);
    DibImage image;
    image.block_.assign(kInfoHeaderSize + pixelBytes, 0);
    std::vector<std::uint8_t>& b = image.block_;
    putUint32(b, 0, kInfoHeaderSize);
    putUint32(b, 4, static_cast<std::uint32_t>(width));
    putUint32(b, 8, static_cast<std::uint32_t>(height));
    b[12] = 1;   // planes
    b[14] = 24;  // bits per pixel; compression 0
    putUint32(b, kImageSizeField, static_cast<std::uint32_t>(pixelBytes));
    for (int row = 0; row < height; ++row) {
        const std::uint8_t* in = topDownRows.data() + rowBytes * static_cast<std::size_t>(row);
        std::copy(in, in + rowBytes, b.begin() + static_cast<std::ptrdiff_t>(kInfoHeaderSize + stride * static_cast<std::size_t>(height - 1 - row)));
    }
    const std::optional<DibHeader> header = readDibHeader(b.data(), b.size());
    if (!header) return {};
    image.adopt(*header);
    image.scale_ = scale;
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
    v.scale = scale_;
    return v;
}

}  // namespace tintfall
