// Any bytes as "lastsend.dat".
#include <cstdint>
#include <cstdlib>

#include "net/LastSendFile.h"

using namespace tintfall;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto details = parseLastSend(data, size);
    if (!details) return 0;
    const std::vector<std::uint8_t> written = encodeLastSend(*details);
    const auto again = parseLastSend(written.data(), written.size());
    if (!again || encodeLastSend(*again) != written) std::abort();
    return 0;
}
