// Any bytes as a downloaded "top10.tft".
#include <cstdint>
#include <cstdlib>

#include "net/Top10File.h"

using namespace tintfall;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto rows = parseTop10(data, size);
    if (!rows) return 0;
    const std::vector<std::uint8_t> written = encodeTop10(*rows);
    const auto again = parseTop10(written.data(), written.size());
    if (!again || encodeTop10(*again) != written) std::abort();
    return 0;
}
