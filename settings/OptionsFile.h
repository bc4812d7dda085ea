#pragma once
// The options file "tintfall.dat": every field of GameSettings in an order of
// its own, read whole and written whole.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "settings/GameSettings.h"

namespace tintfall {

inline constexpr const char* kOptionsFileName = "tintfall.dat";
inline constexpr const char* kOptionsHeader = "TINTFALL_OPTIONS_FILE";
inline constexpr std::int32_t kOptionsFormat = 155;

inline constexpr const char* kOptionsSaveError = "ERROR! It is impossible to save file \"tintfall.dat\"";
inline constexpr const char* kOptionsCreateError = "ERROR! It is impossible to create file \"tintfall.dat\"";

std::vector<std::uint8_t> encodeOptions(const GameSettings& settings);

// Replaces every field of settings only when the bytes hold a complete file
// with the right header and format; otherwise settings stay as they were.
bool parseOptions(const std::uint8_t* data, std::size_t size, GameSettings& settings);

// baseFolder ends in a backslash; the file is baseFolder + "tintfall.dat".
bool readOptions(Files& files, const std::string& baseFolder, GameSettings& settings);
// False when the file could not be written (the caller shows kOptionsSaveError
// and asks whether to quit).
bool writeOptions(Files& files, const std::string& baseFolder, const GameSettings& settings);

enum class OptionsStartUp {
    Loaded,          // the file was read
    CreatedDefaults, // missing, foreign, short or other format: defaults written and read back
    CannotCreate,    // the defaults could not be written and read back: show kOptionsCreateError and end
};

// Start-up: defaults (sound paths in baseFolder), then the file; a file that
// cannot be read is replaced by the defaults, which are read back.
OptionsStartUp loadOptionsAtStartUp(Files& files, const std::string& baseFolder, GameSettings& settings);

}  // namespace tintfall
