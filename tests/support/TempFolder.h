#pragma once
// A fresh folder under the system's temporary folder, removed with its
// contents at the end of the test; base() ends in a separator like baseFolder.
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace tintfall {

class TempFolder {
public:
    TempFolder() {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() / ("tintfall-assets-" + std::to_string(seed()));
        std::filesystem::create_directories(path_ / "graph" / "2x");
        std::filesystem::create_directories(path_ / "graph" / "3x");
        std::filesystem::create_directories(path_ / "snd");
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string base() const { return path_.string() + "/"; }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace tintfall
