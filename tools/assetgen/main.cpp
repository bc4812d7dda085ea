// assetgen <dist folder> <resources folder>: writes the program's artwork
// and sounds, and the pictures of the resource script.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/headless/LocalFiles.h"
#include "tools/assetgen/AssetGenerator.h"
#include "tools/assetgen/FontCheck.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: assetgen <dist folder> <resources folder>\n");
        return 2;
    }
    const std::vector<std::string> missing = tintfall::assetgen::missingFonts();
    for (const std::string& font : missing) {
        std::fprintf(stderr, "assetgen: the font %s is not installed (Debian: fonts-dejavu-core, fonts-dejavu-extra)\n",
                     font.c_str());
    }
    if (!missing.empty()) return 1;
    const std::filesystem::path dist(argv[1]);
    const std::filesystem::path resources(argv[2]);
    std::error_code error;
    for (const auto& folder : {dist / "graph", dist / "graph" / "2x", dist / "graph" / "3x", dist / "snd", resources}) {
        std::filesystem::create_directories(folder, error);
        if (error) {
            std::fprintf(stderr, "assetgen: cannot create %s\n", folder.string().c_str());
            return 1;
        }
    }
    tintfall::LocalFiles files;
    auto failed = tintfall::assetgen::writeDistFiles(files, dist.string() + "/");
    const auto failedResources = tintfall::assetgen::writeResourceFiles(files, resources.string() + "/");
    failed.insert(failed.end(), failedResources.begin(), failedResources.end());
    for (const std::string& name : failed) std::fprintf(stderr, "assetgen: cannot write %s\n", name.c_str());
    return failed.empty() ? 0 : 1;
}
