// Any bytes as "uploadkey.dat".
#include <cstdint>
#include <cstdlib>

#include "net/UploadKey.h"

using namespace tintfall;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto key = parseUploadKey(data, size);
    if (!key) return 0;
    if (!isValidUploadKey(*key)) std::abort();
    const std::vector<std::uint8_t> written = encodeUploadKey(*key);
    const auto again = parseUploadKey(written.data(), written.size());
    if (!again || *again != *key) std::abort();
    return 0;
}
