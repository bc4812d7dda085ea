#pragma once
// Saved games ("*.tfs"): the whole game state, gameRunning and the four
// rule settings the game is played with.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/GameState.h"
#include "platform/Files.h"
#include "settings/GameSettings.h"

namespace tintfall {

inline constexpr const char* kSavedGameHeader = "TINTFALL_SAVE_FILE";
inline constexpr std::int32_t kSavedGameFormat = 10;
inline constexpr const char* kSavedGameIncorrect = "ERROR! Saved file is incorrect";

// clockRunning is always stored as 0, so a loaded game re-bases its clock.
std::vector<std::uint8_t> encodeSavedGame(const GameState& state, const GameSettings& settings);

// Parses the whole file into a copy first: on failure neither state nor
// settings change. On success the stored fields, gameRunning and gameMode,
// colourCount, blockCountCode and bombsEnabled are replaced; everything the
// file does not hold (bestScoreToBeat, notPaused, keys, ...) is kept.
bool parseSavedGame(const std::uint8_t* data, std::size_t size, GameState& state, GameSettings& settings);

// path is the full path the user chose.
bool saveGame(Files& files, const std::string& path, const GameState& state, const GameSettings& settings);

enum class SavedGameLoad {
    Loaded,
    CannotOpen,  // the caller names the file in its message
    Incorrect,   // foreign header, other format or a file that ends early: kSavedGameIncorrect
};

SavedGameLoad loadGame(Files& files, const std::string& path, GameState& state, GameSettings& settings);

// "ERROR! It is impossible to save file" "<path>"
std::string saveGameErrorText(const std::string& fullPath);
// "ERROR! It is impossible to open file" "<path>"
std::string loadGameErrorText(const std::string& fullPath);

}  // namespace tintfall
