// Any bytes as a saved game: refused or taken whole, and a taken game saves
// back to a file that loads the same.
#include <cstdint>
#include <cstdlib>

#include "settings/SavedGameFile.h"

using namespace tintfall;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    GameState state;
    GameSettings settings;
    if (!parseSavedGame(data, size, state, settings)) return 0;
    const std::vector<std::uint8_t> written = encodeSavedGame(state, settings);
    GameState againState;
    GameSettings againSettings;
    if (!parseSavedGame(written.data(), written.size(), againState, againSettings) ||
        encodeSavedGame(againState, againSettings) != written)
        std::abort();
    return 0;
}
