#pragma once
// Files through the wide Windows file functions, so a folder of any name
// works; a write goes to a temporary file beside the target, which then
// replaces the target.
#include "platform/Files.h"

namespace tintfall {

class Win32Files : public Files {
public:
    std::optional<std::vector<std::uint8_t>> read(const std::string& path, std::size_t maxBytes) override;
    std::optional<FileStart> readStart(const std::string& path, std::size_t count, std::size_t maxBytes) override;
    bool write(const std::string& path, const std::vector<std::uint8_t>& bytes) override;
    bool exists(const std::string& path) override;
    bool remove(const std::string& path) override;
    bool rename(const std::string& from, const std::string& to) override;
    std::string fullPath(const std::string& name) override;
    std::string storedPath(const std::string& path) override;
    std::string pathFromStored(const std::string& text) override;
};

}  // namespace tintfall
