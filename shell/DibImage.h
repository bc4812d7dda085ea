#pragma once
// One device-independent bitmap read from a .bmp file and kept in its plain
// form: a single block with the information header, the colour table and
// uncompressed pixel rows (bottom-up), drawn straight from memory.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Files.h"

namespace tintfall {

struct DibHeader;

class DibImage {
public:
    DibImage() = default;

    // Parses the bytes of a whole .bmp file: 1, 4, 8, 16, 24 or 32 bits per
    // pixel, uncompressed, run-length encoded or with bit fields, rows
    // bottom-up or top-down, with the 40-byte, V4 or V5 information header.
    // Uncompressed bottom-up images of 1, 4, 8, 24 or 32 bits are kept as in
    // the file; the other forms are turned into that form (see DibDecode.h).
    // Anything else (no "BM", an unknown header or form, a zero-sized image,
    // a colour table or pixel rows reaching past the end of the file) gives
    // an empty image, which draws nothing.
    // A plain image keeps the bytes it is given, less the file header.
    static DibImage fromFileBytes(std::vector<std::uint8_t> bytes);
    // The file at path, read with a size limit no picture comes near; empty
    // when it cannot be read or is not a bitmap drawn here.
    static DibImage fromFile(Files& files, const std::string& path);
    // Whether fromFile would give an image, reading only the first
    // kHeadersBytes of the file and keeping nothing.
    static bool canDraw(Files& files, const std::string& path);
    // Whether fromFileBytes would give an image for a file of start.size
    // bytes that begins with start.bytes (at least its first kHeadersBytes):
    // the headers and the size decide for every form.
    static bool canDrawStart(const FileStart& start);
    // A plain 24-bit image of width x height pixels from rows of blue, green
    // and red bytes, top row first, each width * 3 bytes; made for the given
    // resolution. Empty when the sizes do not agree.
    static DibImage fromRows(int width, int height, const std::vector<std::uint8_t>& topDownRows, DisplayScale scale);

    // The file header, the longest information header, bit-field masks and
    // a full colour table: every byte the headers are judged by.
    static constexpr std::size_t kHeadersBytes = 14 + 124 + 12 + 4 * 256;

    bool empty() const { return block_.empty(); }
    // Pointers into the image's own block; valid while the image lives
    // unchanged. An empty image gives an empty view.
    DibView view() const;

    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }
    int bitsPerPixel() const { return bitsPerPixel_; }
    std::uint32_t colourCount() const { return colourCount_; }
    // The resolution the image is drawn at: 96 DPI for a file read as it is.
    DisplayScale scale() const { return scale_; }
    void setScale(DisplayScale scale) { scale_ = scale; }
    // Everything of the file after its 14-byte file header.
    const std::vector<std::uint8_t>& block() const { return block_; }

    // Largest width or height accepted; no picture of the program comes near.
    static constexpr std::int32_t kMaxSide = 16384;
    // Largest file read as a picture (the finest set stays far below it); a
    // bigger file is foreign.
    static constexpr std::size_t kMaxFileBytes = 16u * 1024u * 1024u;

private:
    // The offsets and sizes of a plain block_ as its header gives them.
    void adopt(const DibHeader& header);

    std::vector<std::uint8_t> block_;
    std::size_t colourTableOffset_ = 0;
    std::uint32_t colourCount_ = 0;
    std::size_t pixelsOffset_ = 0;
    std::size_t pixelBytes_ = 0;
    std::size_t stride_ = 0;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    int bitsPerPixel_ = 0;
    DisplayScale scale_;
};

}  // namespace tintfall
