#pragma once
// Files held in memory for the file-format tests: exact paths are kept as
// given, and writes can be made to fail like a full disk.
#include <map>
#include <string>
#include <vector>

#include "platform/Files.h"

namespace tintfall {

class MemoryFiles : public Files {
public:
    std::optional<std::vector<std::uint8_t>> read(const std::string& path, std::size_t maxBytes) override {
        const auto found = files.find(path);
        if (found == files.end() || found->second.size() > maxBytes) return std::nullopt;
        return found->second;
    }
    bool write(const std::string& path, const std::vector<std::uint8_t>& bytes) override {
        if (failWrites) return false;
        files[path] = bytes;
        return true;
    }
    bool exists(const std::string& path) override { return files.count(path) != 0; }
    bool remove(const std::string& path) override { return files.erase(path) != 0; }
    std::string fullPath(const std::string& name) override { return "C:\\Games\\" + name; }

    std::map<std::string, std::vector<std::uint8_t>> files;
    bool failWrites = false;
};

// Little-endian integer at a byte offset of a file image.
inline std::int32_t int32At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(bytes.at(offset)) |
                                     static_cast<std::uint32_t>(bytes.at(offset + 1)) << 8 |
                                     static_cast<std::uint32_t>(bytes.at(offset + 2)) << 16 |
                                     static_cast<std::uint32_t>(bytes.at(offset + 3)) << 24);
}

}  // namespace tintfall
