#include "shell/PictureScaling.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/DibPixels.h"

namespace tintfall {
namespace {

// One source pixel's share of an output pixel along one axis.
struct Share {
    int source;
    double weight;
};

// For each of `out` output pixels, the source pixels of `in` it covers and
// how much of each, the weights of one output pixel adding up to 1.
std::vector<std::vector<Share>> areaShares(int in, int out) {
    std::vector<std::vector<Share>> shares(static_cast<std::size_t>(out));
    const double step = static_cast<double>(in) / out;
    for (int o = 0; o < out; ++o) {
        const double from = o * step;
        const double to = from + step;
        for (int s = static_cast<int>(std::floor(from)); s < in && s < to; ++s) {
            const double covered = std::min<double>(s + 1, to) - std::max<double>(s, from);
            if (covered > 1e-9) shares[static_cast<std::size_t>(o)].push_back({s, covered / step});
        }
    }
    return shares;
}

// The source as rows of blue, green and red, top row first. A 24-bit
// picture holds its rows in that order already, bottom row first.
std::vector<std::uint8_t> topDownRows(const DibView& source) {
    const std::size_t rowBytes = static_cast<std::size_t>(source.width) * 3;
    std::vector<std::uint8_t> rows(rowBytes * static_cast<std::size_t>(source.height));
    if (source.bitsPerPixel == 24 && source.stride >= rowBytes &&
        source.pixelBytes >= source.stride * static_cast<std::size_t>(source.height)) {
        for (int y = 0; y < source.height; ++y)
            std::copy_n(source.pixels + source.stride * static_cast<std::size_t>(source.height - 1 - y), rowBytes,
                        rows.data() + rowBytes * static_cast<std::size_t>(y));
        return rows;
    }
    std::size_t at = 0;
    for (int y = 0; y < source.height; ++y)
        for (int x = 0; x < source.width; ++x, at += 3) {
            ColourRef colour = 0;
            dibPixel(source, x, y, colour);
            rows[at] = static_cast<std::uint8_t>(colour >> 16);
            rows[at + 1] = static_cast<std::uint8_t>(colour >> 8);
            rows[at + 2] = static_cast<std::uint8_t>(colour);
        }
    return rows;
}

}  // namespace

DibImage enlargeByRepeating(const DibView& source, int factor, DisplayScale scale) {
    if (source.empty() || factor < 1) return {};
    const std::vector<std::uint8_t> in = topDownRows(source);
    const int width = source.width * factor;
    const int height = source.height * factor;
    std::vector<std::uint8_t> out(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    const std::size_t outRow = static_cast<std::size_t>(width) * 3;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* from = in.data() + static_cast<std::size_t>(y / factor) * static_cast<std::size_t>(source.width) * 3;
        std::uint8_t* to = out.data() + outRow * static_cast<std::size_t>(y);
        for (int x = 0; x < width; ++x) std::copy_n(from + 3 * (x / factor), 3, to + 3 * x);
    }
    return DibImage::fromRows(width, height, out, scale);
}

DibImage resampleByArea(const DibView& source, int width, int height, DisplayScale scale) {
    if (source.empty() || width <= 0 || height <= 0 || width > DibImage::kMaxSide || height > DibImage::kMaxSide) return {};
    const std::vector<std::uint8_t> in = topDownRows(source);
    const auto across = areaShares(source.width, width);
    const auto down = areaShares(source.height, height);
    const std::size_t inRow = static_cast<std::size_t>(source.width) * 3;
    const std::size_t outRow = static_cast<std::size_t>(width) * 3;
    // Across first, one source row at a time into a few rows of sums (the
    // rows one output row covers, each kept while the next may need it);
    // then down, each output row the weighted sum of its rows of sums.
    std::size_t kept = 1;
    for (const auto& shares : down) kept = std::max(kept, shares.size());
    std::vector<double> sums(kept * outRow);
    std::vector<int> sumsOf(kept, -1);
    const auto rowOfSums = [&](int sourceRow) -> const double* {
        const std::size_t slot = static_cast<std::size_t>(sourceRow) % kept;
        double* to = sums.data() + slot * outRow;
        if (sumsOf[slot] == sourceRow) return to;
        sumsOf[slot] = sourceRow;
        const std::uint8_t* row = in.data() + static_cast<std::size_t>(sourceRow) * inRow;
        for (int x = 0; x < width; ++x) {
            double sum[3] = {0, 0, 0};
            for (const Share& share : across[static_cast<std::size_t>(x)])
                for (int c = 0; c < 3; ++c) sum[c] += share.weight * row[3 * share.source + c];
            std::copy_n(sum, 3, to + 3 * x);
        }
        return to;
    };
    std::vector<std::uint8_t> out(outRow * static_cast<std::size_t>(height));
    std::vector<double> sum(outRow);
    for (int y = 0; y < height; ++y) {
        std::fill(sum.begin(), sum.end(), 0.0);
        for (const Share& share : down[static_cast<std::size_t>(y)]) {
            const double* from = rowOfSums(share.source);
            for (std::size_t i = 0; i < outRow; ++i) sum[i] += share.weight * from[i];
        }
        std::uint8_t* to = out.data() + static_cast<std::size_t>(y) * outRow;
        // Weights add up to 1, so a sum lies within 0..255 but for rounding.
        for (std::size_t i = 0; i < outRow; ++i) to[i] = static_cast<std::uint8_t>(std::clamp(sum[i], 0.0, 255.0) + 0.5);
    }
    return DibImage::fromRows(width, height, out, scale);
}

}  // namespace tintfall
