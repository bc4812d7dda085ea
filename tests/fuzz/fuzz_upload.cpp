// Any bytes as an uploaded file, judged as the table server judges it.
#include <cstdint>
#include <cstdlib>

#include "server/judge/Qualifying.h"
#include "server/judge/UploadCheck.h"

using namespace tintfall;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    const UploadCheck check = checkUpload(bytes, "0123456789abcdef0123456789abcdef.tft");
    if (!check.record) return 0;
    // What is taken is exactly the program's writing, and ranks only by the conditions.
    if (encodeUploadRecord(*check.record) != bytes || check.record->uploadKey != "0123456789abcdef0123456789abcdef") {
        std::abort();
    }
    const auto best = bestQualifyingRow(*check.record);
    if (best && (!meetsConditions(*best) || best->name != check.record->playerName)) std::abort();
    return 0;
}
