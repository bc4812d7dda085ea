#pragma once
// Writes every generated file: the bitmaps of the graph folder and the waves
// of the snd folder under the distribution folder, and the pictures, icon and
// cursor that the resource script compiles into the program.
#include <string>
#include <vector>

#include "platform/Files.h"

namespace tintfall::assetgen {

// Names of the resource files, relative to the resources folder.
struct ResourceNames {
    static constexpr const char* aboutLogo = "logo.bmp";             // 119
    static constexpr const char* flagNetherlands = "flag_nl.bmp";    // 147
    static constexpr const char* flagBelgium = "flag_be.bmp";        // 148
    static constexpr const char* icon = "tintfall.ico";              // 101
    static constexpr const char* cursor = "tintfall.cur";            // 102
    static std::string blockSetPreview(int set);                     // 134 + set: "blockset<N>.bmp"
    static std::string champion(int place);                          // 149..151: "champion<1..3>.bmp"
};

// The graph folder's pictures are also drawn two and three times as fine,
// into graph/2x/ and graph/3x/, for screens above 96 DPI.
constexpr int kFinestPictures = 3;

// Folders are given with a trailing separator ("dist/" or "dist\"); the
// graph, graph/2x, graph/3x and snd subfolders must exist. Returns the names that could not be
// written (empty on success).
std::vector<std::string> writeDistFiles(Files& files, const std::string& distFolder);
std::vector<std::string> writeResourceFiles(Files& files, const std::string& resourceFolder);

}  // namespace tintfall::assetgen
