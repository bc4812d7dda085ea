// Any bytes as an uploaded result file, "<key>.tft".
#include <cstdint>
#include <cstdlib>

#include "net/UploadFile.h"

using namespace tintfall;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto record = parseUploadRecord(data, size);
    if (!record) return 0;
    const std::vector<std::uint8_t> written = encodeUploadRecord(*record);
    const auto again = parseUploadRecord(written.data(), written.size());
    if (!again || encodeUploadRecord(*again) != written) std::abort();
    return 0;
}
