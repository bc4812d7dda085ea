// Any bytes as "ws.dat".
#include <cstdint>
#include <cstdlib>

#include "shell/WindowSizeFile.h"

using namespace tintfall;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto mode = parseWindowSizeMode(data, size);
    if (!mode) return 0;
    const std::vector<std::uint8_t> written = encodeWindowSizeMode(*mode);
    const auto again = parseWindowSizeMode(written.data(), written.size());
    if (written.size() != 29 || !again || *again != *mode) std::abort();
    return 0;
}
