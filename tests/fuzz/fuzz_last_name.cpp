// Any bytes as "lastname.dat".
#include <cstdint>
#include <cstdlib>

#include "scores/LastNameFile.h"

using namespace tintfall;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto name = parseLastName(data, size);
    if (!name) return 0;
    const std::vector<std::uint8_t> written = encodeLastName(*name);
    const auto again = parseLastName(written.data(), written.size());
    if (!again || *again != *name) std::abort();
    return 0;
}
