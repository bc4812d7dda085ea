#include "platform/headless/SoftwareCanvas.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/DataWriter.h"

namespace tintfall {
namespace {

ColourRef fromBgr(std::uint8_t blue, std::uint8_t green, std::uint8_t red) {
    return static_cast<ColourRef>(red) | (static_cast<ColourRef>(green) << 8) | (static_cast<ColourRef>(blue) << 16);
}

std::uint8_t red(ColourRef c) { return static_cast<std::uint8_t>(c); }
std::uint8_t green(ColourRef c) { return static_cast<std::uint8_t>(c >> 8); }
std::uint8_t blue(ColourRef c) { return static_cast<std::uint8_t>(c >> 16); }

// Narrows a copy of width x height from (srcX, srcY) to (dstX, dstY) to the
// part that lies inside both the source and the destination bounds.
struct Span {
    int srcX, srcY, dstX, dstY, width, height;
};

Span clip(Span s, int srcWidth, int srcHeight, int dstWidth, int dstHeight) {
    auto cutLeading = [&s](int amount, bool horizontal) {
        if (amount <= 0) return;
        if (horizontal) {
            s.srcX += amount;
            s.dstX += amount;
            s.width -= amount;
        } else {
            s.srcY += amount;
            s.dstY += amount;
            s.height -= amount;
        }
    };
    cutLeading(-s.srcX, true);
    cutLeading(-s.dstX, true);
    cutLeading(-s.srcY, false);
    cutLeading(-s.dstY, false);
    s.width = std::min({s.width, srcWidth - s.srcX, dstWidth - s.dstX});
    s.height = std::min({s.height, srcHeight - s.srcY, dstHeight - s.dstY});
    return s;
}

// Short rows (cells, digits, buttons) go in 16-byte pieces kept inline, the
// last one ending at the row's end; a call to memcpy costs more than such a row.
void copyRow(std::uint8_t* out, const std::uint8_t* in, std::size_t bytes) {
    if (bytes < 16 || bytes > 256) {
        std::memcpy(out, in, bytes);
        return;
    }
    std::size_t done = 0;
    for (; done + 16 <= bytes; done += 16) std::memcpy(out + done, in + done, 16);
    if (done < bytes) std::memcpy(out + bytes - 16, in + bytes - 16, 16);
}

std::uint32_t crcTableEntry(std::uint32_t n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    return c;
}

void appendBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void appendChunk(std::vector<std::uint8_t>& out, const char type[4], const std::vector<std::uint8_t>& data) {
    appendBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeStart = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    appendBigEndian(out, crc32(out.data() + typeStart, out.size() - typeStart));
}

}  // namespace

std::uint32_t crc32(const std::uint8_t* data, std::size_t size) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) t[n] = crcTableEntry(n);
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) c = table[(c ^ data[i]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::uint32_t adler32(const std::uint8_t* data, std::size_t size) {
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (std::size_t i = 0; i < size; ++i) {
        a = (a + data[i]) % 65521u;
        b = (b + a) % 65521u;
    }
    return (b << 16) | a;
}

std::vector<std::uint8_t> encodePng(int width, int height, const std::vector<std::uint8_t>& rgb) {
    // Each row starts with filter type 0 (none).
    std::vector<std::uint8_t> raw;
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
    raw.reserve((rowBytes + 1) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        const auto row = rgb.begin() + static_cast<std::ptrdiff_t>(rowBytes * static_cast<std::size_t>(y));
        raw.insert(raw.end(), row, row + static_cast<std::ptrdiff_t>(rowBytes));
    }

    std::vector<std::uint8_t> zlib{0x78, 0x01};
    constexpr std::size_t kMaxStored = 65535;
    std::size_t offset = 0;
    do {
        const std::size_t length = std::min(kMaxStored, raw.size() - offset);
        const bool last = offset + length == raw.size();
        zlib.push_back(last ? 1 : 0);
        zlib.push_back(static_cast<std::uint8_t>(length));
        zlib.push_back(static_cast<std::uint8_t>(length >> 8));
        zlib.push_back(static_cast<std::uint8_t>(~length));
        zlib.push_back(static_cast<std::uint8_t>(~length >> 8));
        zlib.insert(zlib.end(), raw.begin() + static_cast<std::ptrdiff_t>(offset),
                    raw.begin() + static_cast<std::ptrdiff_t>(offset + length));
        offset += length;
    } while (offset < raw.size());
    appendBigEndian(zlib, adler32(raw.data(), raw.size()));

    std::vector<std::uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    appendBigEndian(header, static_cast<std::uint32_t>(width));
    appendBigEndian(header, static_cast<std::uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter set, no interlace
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", zlib);
    appendChunk(png, "IEND", {});
    return png;
}

SoftwareCanvas::SoftwareCanvas(int width, int height, ColourRef background)
    : width_(std::max(0, width)),
      height_(std::max(0, height)),
      stride_((static_cast<std::size_t>(width_) * 3 + 3) & ~static_cast<std::size_t>(3)),
      pixels_(stride_ * static_cast<std::size_t>(height_), 0) {
    fill(0, 0, width_, height_, background);
}

std::uint8_t* SoftwareCanvas::at(int x, int y) {
    return pixels_.data() + static_cast<std::size_t>(y) * stride_ + static_cast<std::size_t>(x) * 3;
}

const std::uint8_t* SoftwareCanvas::at(int x, int y) const {
    return pixels_.data() + static_cast<std::size_t>(y) * stride_ + static_cast<std::size_t>(x) * 3;
}

ColourRef SoftwareCanvas::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    const std::uint8_t* p = at(x, y);
    return fromBgr(p[0], p[1], p[2]);
}

void SoftwareCanvas::blit(const DibView& image, int srcX, int srcY, int width, int height, int dstX, int dstY) {
    if (image.empty()) return;
    const Span s = clip({srcX, srcY, dstX, dstY, width, height}, image.width, image.height, width_, height_);
    if (s.width <= 0 || s.height <= 0) return;
    // True-colour rectangles that lie wholly inside the pixel data are copied
    // row by row, 24-bit rows as they are. The rectangle's top row is the
    // highest in memory, so checking it checks them all.
    const std::size_t bytesPerPixel = image.bitsPerPixel >= 24 ? static_cast<std::size_t>(image.bitsPerPixel / 8) : 0;
    const std::size_t topRowStart = static_cast<std::size_t>(image.height - 1 - s.srcY) * image.stride;
    const std::size_t first = topRowStart + static_cast<std::size_t>(s.srcX) * bytesPerPixel;
    const std::size_t columns = static_cast<std::size_t>(s.width);
    if (bytesPerPixel != 0 && first + columns * bytesPerPixel <= image.pixelBytes) {
        const std::uint8_t* in = image.pixels + first;
        std::uint8_t* out = at(s.dstX, s.dstY);
        for (int row = 0; row < s.height; ++row, in -= image.stride, out += stride_) {
            if (bytesPerPixel == 3) {
                copyRow(out, in, columns * 3);
                continue;
            }
            for (std::size_t column = 0; column < columns; ++column) {
                out[3 * column] = in[4 * column];
                out[3 * column + 1] = in[4 * column + 1];
                out[3 * column + 2] = in[4 * column + 2];
            }
        }
        return;
    }
    // Everything else goes pixel by pixel with its checks.
    for (int row = 0; row < s.height; ++row) {
        std::uint8_t* out = at(s.dstX, s.dstY + row);
        for (int column = 0; column < s.width; ++column, out += 3) {
            ColourRef colour = 0;
            if (!dibPixel(image, s.srcX + column, s.srcY + row, colour)) continue;
            out[0] = blue(colour);
            out[1] = green(colour);
            out[2] = red(colour);
        }
    }
}

void SoftwareCanvas::fill(int x, int y, int width, int height, ColourRef colour) {
    const Span s = clip({x, y, x, y, width, height}, width_, height_, width_, height_);
    if (s.width <= 0 || s.height <= 0) return;
    // One row is made pixel by pixel; the others are copies of it.
    std::uint8_t* first = at(s.dstX, s.dstY);
    for (int column = 0; column < s.width; ++column) {
        first[3 * column] = blue(colour);
        first[3 * column + 1] = green(colour);
        first[3 * column + 2] = red(colour);
    }
    for (int row = 1; row < s.height; ++row) std::memcpy(at(s.dstX, s.dstY + row), first, static_cast<std::size_t>(s.width) * 3);
}

void SoftwareCanvas::copyRect(const SoftwareCanvas& from, int x, int y, int width, int height) {
    const Span s = clip({x, y, x, y, width, height}, from.width_, from.height_, width_, height_);
    if (s.width <= 0 || s.height <= 0) return;
    // Whole rows of canvases of one width lie one after another: one copy.
    if (s.width == width_ && from.width_ == width_) {
        std::memcpy(at(0, s.dstY), from.at(0, s.srcY), stride_ * static_cast<std::size_t>(s.height));
        return;
    }
    for (int row = 0; row < s.height; ++row)
        std::memcpy(at(s.dstX, s.dstY + row), from.at(s.srcX, s.srcY + row), static_cast<std::size_t>(s.width) * 3);
}

std::vector<std::uint8_t> SoftwareCanvas::bmpBytes() const {
    const std::uint32_t imageSize = static_cast<std::uint32_t>(pixels_.size());
    DataWriter out;
    out.writeByte('B');
    out.writeByte('M');
    out.writeUint32(14 + 40 + imageSize);
    out.writeUint32(0);
    out.writeUint32(14 + 40);
    out.writeUint32(40);
    out.writeInt32(width_);
    out.writeInt32(height_);
    out.writeUint16(1);
    out.writeUint16(24);
    out.writeUint32(0);  // no compression
    out.writeUint32(imageSize);
    out.writeInt32(2835);  // 72 dots per inch
    out.writeInt32(2835);
    out.writeUint32(0);
    out.writeUint32(0);
    // The file stores its rows bottom-up, each as the canvas holds it.
    for (int y = height_ - 1; y >= 0; --y) {
        const auto row = pixels_.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(y) * stride_);
        out.writeBytes(std::vector<std::uint8_t>(row, row + static_cast<std::ptrdiff_t>(stride_)));
    }
    return out.bytes();
}

std::vector<std::uint8_t> SoftwareCanvas::pngBytes() const {
    std::vector<std::uint8_t> rgb;
    rgb.reserve(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 3);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const std::uint8_t* p = at(x, y);
            rgb.insert(rgb.end(), {p[2], p[1], p[0]});
        }
    }
    return encodePng(width_, height_, rgb);
}

bool SoftwareCanvas::saveBmp(Files& files, const std::string& path) const { return files.write(path, bmpBytes()); }

bool SoftwareCanvas::savePng(Files& files, const std::string& path) const { return files.write(path, pngBytes()); }

}  // namespace tintfall
