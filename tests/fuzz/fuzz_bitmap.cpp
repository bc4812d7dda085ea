// Feeds arbitrary bytes to the bitmap reader. A parsed image must keep its
// colour table and pixel rows inside its own block; every byte the drawing
// code could read is touched so the address sanitizer sees any overrun. The
// start-up check, judging by the first bytes and the size alone, must give
// the reader's verdict.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "shell/DibImage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    const tintfall::DibImage image = tintfall::DibImage::fromFileBytes(bytes);
    const tintfall::DibView view = image.view();
    tintfall::FileStart start;
    start.size = size;
    start.bytes.assign(data, data + std::min(size, tintfall::DibImage::kHeadersBytes));
    if (tintfall::DibImage::canDrawStart(start) == image.empty()) std::abort();
    if (image.empty()) {
        if (!view.empty() || view.pixels != nullptr) std::abort();
        return 0;
    }
    const std::uint8_t* begin = image.block().data();
    const std::uint8_t* end = begin + image.block().size();
    if (view.width <= 0 || view.height <= 0) std::abort();
    if (view.colourTable + 4 * static_cast<std::size_t>(view.colourCount) > view.pixels) std::abort();
    if (view.pixels < begin || view.pixels + view.pixelBytes > end) std::abort();
    if (view.stride * static_cast<std::size_t>(view.height) != view.pixelBytes) std::abort();
    if (view.stride * 8 < static_cast<std::size_t>(view.width) * static_cast<std::size_t>(view.bitsPerPixel)) std::abort();
    unsigned sum = 0;
    for (std::size_t i = 0; i < 4 * static_cast<std::size_t>(view.colourCount); ++i) sum += view.colourTable[i];
    for (std::size_t i = 0; i < view.pixelBytes; ++i) sum += view.pixels[i];
    return static_cast<int>(sum & 0);
}
