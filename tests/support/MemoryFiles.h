#pragma once
// Files held in memory: exact paths are kept as given, reads are counted,
// and writes can be made to fail, for one path or all, like a full disk.
#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Files.h"

namespace tintfall {

class MemoryFiles : public Files {
public:
    std::map<std::string, std::vector<std::uint8_t>> contents;
    std::set<std::string> unwritable;
    bool allWritesFail = false;
    int writeCount = 0;
    int readCount = 0;
    std::vector<std::string> readPaths;
    std::vector<std::string> startPaths;

    std::optional<std::vector<std::uint8_t>> read(const std::string& path, std::size_t maxBytes) override {
        ++readCount;
        readPaths.push_back(path);
        const auto found = contents.find(path);
        if (found == contents.end() || found->second.size() > maxBytes) return std::nullopt;
        return found->second;
    }
    // Only the start of a file: counted apart from whole reads.
    std::optional<FileStart> readStart(const std::string& path, std::size_t count, std::size_t maxBytes) override {
        startPaths.push_back(path);
        const auto found = contents.find(path);
        if (found == contents.end() || found->second.size() > maxBytes) return std::nullopt;
        FileStart start;
        start.size = found->second.size();
        start.bytes.assign(found->second.begin(), found->second.begin() + std::min(count, found->second.size()));
        return start;
    }
    bool write(const std::string& path, const std::vector<std::uint8_t>& bytes) override {
        if (allWritesFail || unwritable.count(path)) return false;
        ++writeCount;
        contents[path] = bytes;
        return true;
    }
    bool exists(const std::string& path) override { return contents.count(path) != 0; }
    bool remove(const std::string& path) override { return contents.erase(path) != 0; }
    bool rename(const std::string& from, const std::string& to) override {
        const auto found = contents.find(from);
        if (found == contents.end() || contents.count(to) != 0 || unwritable.count(to)) return false;
        contents[to] = std::move(found->second);
        contents.erase(from);
        return true;
    }
    // The working folder of the tests is C:\Games\.
    std::string fullPath(const std::string& name) override { return "C:\\Games\\" + name; }
};

}  // namespace tintfall
