// Any bytes as "tintfall.dat": the reader must refuse or accept without
// reading past the end, and what it accepts must write back the same way.
#include <cstdint>
#include <cstdlib>

#include "settings/OptionsFile.h"

using namespace tintfall;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    GameSettings settings;
    if (!parseOptions(data, size, settings)) return 0;
    const std::vector<std::uint8_t> written = encodeOptions(settings);
    GameSettings again;
    if (!parseOptions(written.data(), written.size(), again) || encodeOptions(again) != written) std::abort();
    return 0;
}
