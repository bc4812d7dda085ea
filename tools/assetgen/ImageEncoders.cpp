#include "tools/assetgen/ImageEncoders.h"

#include <algorithm>
#include <map>
#include <unordered_map>

#include "platform/DataWriter.h"

namespace tintfall::assetgen {
namespace {

constexpr std::uint32_t kInfoHeaderSize = 40;

std::size_t rowBytes(int width, int bits) { return ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4; }

void writeFileHeader(DataWriter& out, std::uint32_t fileSize, std::uint32_t pixelOffset) {
    out.writeByte('B');
    out.writeByte('M');
    out.writeUint32(fileSize);
    out.writeUint32(0);
    out.writeUint32(pixelOffset);
}

void writeInfoHeader(DataWriter& out, int width, int height, int bits, std::uint32_t imageSize, std::uint32_t colours) {
    out.writeUint32(kInfoHeaderSize);
    out.writeInt32(width);
    out.writeInt32(height);
    out.writeUint16(1);
    out.writeUint16(static_cast<std::uint16_t>(bits));
    out.writeUint32(0);  // uncompressed
    out.writeUint32(imageSize);
    out.writeInt32(2835);  // 72 dpi
    out.writeInt32(2835);
    out.writeUint32(colours);
    out.writeUint32(0);
}

int channel(std::uint32_t rgb, int c) { return static_cast<int>((rgb >> (16 - 8 * c)) & 0xFF); }

struct Box {
    std::vector<std::pair<std::uint32_t, std::size_t>> colours;  // colour, count
    int widestChannel() const {
        int best = 0;
        int bestRange = -1;
        for (int c = 0; c < 3; ++c) {
            int lo = 255;
            int hi = 0;
            for (const auto& entry : colours) {
                lo = std::min(lo, channel(entry.first, c));
                hi = std::max(hi, channel(entry.first, c));
            }
            if (hi - lo > bestRange) {
                bestRange = hi - lo;
                best = c;
            }
        }
        return bestRange <= 0 ? -1 : best;
    }
    std::size_t population() const {
        std::size_t n = 0;
        for (const auto& entry : colours) n += entry.second;
        return n;
    }
    std::uint32_t average() const {
        double sum[3] = {0, 0, 0};
        double n = 0;
        for (const auto& entry : colours) {
            for (int c = 0; c < 3; ++c) sum[c] += channel(entry.first, c) * static_cast<double>(entry.second);
            n += static_cast<double>(entry.second);
        }
        std::uint32_t rgb = 0;
        for (int c = 0; c < 3; ++c) rgb = (rgb << 8) | static_cast<std::uint32_t>(sum[c] / n + 0.5);
        return rgb;
    }
};

std::uint32_t nearest(const std::vector<std::uint32_t>& palette, std::uint32_t rgb) {
    std::size_t best = 0;
    int bestDistance = 1 << 30;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        int d = 0;
        for (int c = 0; c < 3; ++c) {
            const int delta = channel(palette[i], c) - channel(rgb, c);
            d += delta * delta;
        }
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return static_cast<std::uint32_t>(best);
}

std::vector<std::uint8_t> imageEntry(const Picture& picture) {
    const int w = picture.width();
    const int h = picture.height();
    DataWriter out;
    const std::size_t maskRow = rowBytes(w, 1);
    writeInfoHeader(out, w, 2 * h, 32, static_cast<std::uint32_t>(w * h * 4 + maskRow * h), 0);
    cairo_surface_flush(picture.surface());
    const unsigned char* data = cairo_image_surface_get_data(picture.surface());
    const int stride = cairo_image_surface_get_stride(picture.surface());
    auto argbAt = [&](int x, int y) { return reinterpret_cast<const std::uint32_t*>(data + y * stride)[x]; };
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            // Icons want straight (not premultiplied) alpha.
            const std::uint32_t argb = argbAt(x, y);
            const std::uint32_t a = argb >> 24;
            for (int shift : {0, 8, 16}) {
                const std::uint32_t v = (argb >> shift) & 0xFF;
                out.writeByte(static_cast<std::uint8_t>(a ? std::min<std::uint32_t>(255, v * 255 / a) : 0));
            }
            out.writeByte(static_cast<std::uint8_t>(a));
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(maskRow, 0);
        for (int x = 0; x < w; ++x) {
            if ((argbAt(x, y) >> 24) < 128) row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
        out.writeBytes(row);
    }
    return out.bytes();
}

std::vector<std::uint8_t> iconDirectory(int type, const std::vector<CursorImage>& images) {
    std::vector<std::vector<std::uint8_t>> entries;
    for (const CursorImage& image : images) entries.push_back(imageEntry(*image.picture));
    DataWriter out;
    out.writeUint16(0);
    out.writeUint16(static_cast<std::uint16_t>(type));
    out.writeUint16(static_cast<std::uint16_t>(images.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const CursorImage& image = images[i];
        out.writeByte(static_cast<std::uint8_t>(image.picture->width() & 0xFF));
        out.writeByte(static_cast<std::uint8_t>(image.picture->height() & 0xFF));
        out.writeByte(0);
        out.writeByte(0);
        // Icons: planes and bit count; cursors: the hotspot.
        out.writeUint16(static_cast<std::uint16_t>(type == 1 ? 1 : image.hotspotX));
        out.writeUint16(static_cast<std::uint16_t>(type == 1 ? 32 : image.hotspotY));
        out.writeUint32(static_cast<std::uint32_t>(entries[i].size()));
        out.writeUint32(offset);
        offset += static_cast<std::uint32_t>(entries[i].size());
    }
    for (const auto& entry : entries) out.writeBytes(entry);
    return out.bytes();
}

}  // namespace

std::vector<std::uint8_t> encodeBmp24(const Picture& picture) {
    const int w = picture.pixelWidth();
    const int h = picture.pixelHeight();
    const std::size_t stride = rowBytes(w, 24);
    const auto imageSize = static_cast<std::uint32_t>(stride * static_cast<std::size_t>(h));
    DataWriter out;
    writeFileHeader(out, 54 + imageSize, 54);
    writeInfoHeader(out, w, h, 24, imageSize, 0);
    std::vector<std::uint8_t> row(stride, 0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const std::uint32_t rgb = picture.pixel(x, y);
            row[static_cast<std::size_t>(3 * x)] = static_cast<std::uint8_t>(rgb);
            row[static_cast<std::size_t>(3 * x + 1)] = static_cast<std::uint8_t>(rgb >> 8);
            row[static_cast<std::size_t>(3 * x + 2)] = static_cast<std::uint8_t>(rgb >> 16);
        }
        out.writeBytes(row);
    }
    return out.bytes();
}

std::vector<std::uint32_t> choosePalette(const Picture& picture, std::size_t maxColours) {
    std::map<std::uint32_t, std::size_t> counts;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) ++counts[picture.pixel(x, y)];
    }
    std::vector<std::uint32_t> palette;
    if (counts.size() <= maxColours) {
        for (const auto& entry : counts) palette.push_back(entry.first);
        return palette;
    }
    std::vector<Box> boxes(1);
    boxes[0].colours.assign(counts.begin(), counts.end());
    while (boxes.size() < maxColours) {
        // Split the most populous box that still spans more than one colour.
        int chosen = -1;
        std::size_t chosenPopulation = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].colours.size() < 2 || boxes[i].widestChannel() < 0) continue;
            const std::size_t population = boxes[i].population();
            if (chosen < 0 || population > chosenPopulation) {
                chosen = static_cast<int>(i);
                chosenPopulation = population;
            }
        }
        if (chosen < 0) break;
        Box& box = boxes[static_cast<std::size_t>(chosen)];
        const int c = box.widestChannel();
        std::stable_sort(box.colours.begin(), box.colours.end(),
                         [c](const auto& a, const auto& b) { return channel(a.first, c) < channel(b.first, c); });
        std::size_t half = chosenPopulation / 2;
        std::size_t split = 1;
        std::size_t running = box.colours[0].second;
        while (split < box.colours.size() - 1 && running < half) running += box.colours[split++].second;
        Box upper;
        upper.colours.assign(box.colours.begin() + static_cast<std::ptrdiff_t>(split), box.colours.end());
        box.colours.resize(split);
        boxes.push_back(std::move(upper));
    }
    for (const Box& box : boxes) palette.push_back(box.average());
    return palette;
}

std::vector<std::uint8_t> encodeBmpPaletted(const Picture& picture, int bits) {
    const std::vector<std::uint32_t> palette = choosePalette(picture, std::size_t{1} << bits);
    const int w = picture.width();
    const int h = picture.height();
    const std::size_t stride = rowBytes(w, bits);
    const auto imageSize = static_cast<std::uint32_t>(stride * static_cast<std::size_t>(h));
    const auto tableBytes = static_cast<std::uint32_t>(4 * palette.size());
    DataWriter out;
    writeFileHeader(out, 54 + tableBytes + imageSize, 54 + tableBytes);
    writeInfoHeader(out, w, h, bits, imageSize, static_cast<std::uint32_t>(palette.size()));
    for (std::uint32_t rgb : palette) {
        out.writeByte(static_cast<std::uint8_t>(rgb));
        out.writeByte(static_cast<std::uint8_t>(rgb >> 8));
        out.writeByte(static_cast<std::uint8_t>(rgb >> 16));
        out.writeByte(0);
    }
    std::unordered_map<std::uint32_t, std::uint32_t> index;
    for (int y = h - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(stride, 0);
        for (int x = 0; x < w; ++x) {
            const std::uint32_t rgb = picture.pixel(x, y);
            auto found = index.find(rgb);
            if (found == index.end()) found = index.emplace(rgb, nearest(palette, rgb)).first;
            const std::uint32_t i = found->second;
            if (bits == 8) {
                row[static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(i);
            } else {
                row[static_cast<std::size_t>(x / 2)] |= static_cast<std::uint8_t>(x % 2 == 0 ? i << 4 : i);
            }
        }
        out.writeBytes(row);
    }
    return out.bytes();
}

std::vector<std::uint8_t> encodeIcon(const std::vector<CursorImage>& images) { return iconDirectory(1, images); }

std::vector<std::uint8_t> encodeCursor(const CursorImage& image) { return iconDirectory(2, {image}); }

}  // namespace tintfall::assetgen
