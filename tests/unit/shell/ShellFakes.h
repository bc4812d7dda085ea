#pragma once
// Files of the main window's tests in a fresh temporary folder, which is
// also the "current folder".
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/headless/LocalFiles.h"

namespace tintfall {

// LocalFiles rooted in a private folder: relative names (the scratch file
// "z") land there, and the folder's full path is what fullPath reports.
class FolderFiles : public LocalFiles {
public:
    FolderFiles() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tintfall-shell-XXXXXX").string();
        folder = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~FolderFiles() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    std::optional<std::vector<std::uint8_t>> read(const std::string& path, std::size_t maxBytes) override {
        return LocalFiles::read(rooted(path), maxBytes);
    }
    bool write(const std::string& path, const std::vector<std::uint8_t>& bytes) override {
        if (failWrites(path)) return false;
        ++writes[path];
        return LocalFiles::write(rooted(path), bytes);
    }
    bool exists(const std::string& path) override { return LocalFiles::exists(rooted(path)); }
    bool remove(const std::string& path) override { return LocalFiles::remove(rooted(path)); }
    std::string fullPath(const std::string& name) override { return folder + "/" + name; }

    std::string base() const { return folder + "/"; }
    std::optional<std::vector<std::uint8_t>> bytesOf(const std::string& name) { return read(base() + name, 1u << 20); }
    void put(const std::string& name, const std::vector<std::uint8_t>& bytes) { LocalFiles::write(base() + name, bytes); }

    std::string folder;
    // Paths whose writes fail.
    std::function<bool(const std::string&)> failWrites = [](const std::string&) { return false; };
    std::map<std::string, int> writes;

private:
    std::string rooted(const std::string& path) const {
        return !path.empty() && path[0] == '/' ? path : folder + "/" + path;
    }
};

}  // namespace tintfall
