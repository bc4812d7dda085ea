#pragma once
// Files on the local disk through the standard library. Backslashes in the
// program's paths become the host's separator, so "graph\back.bmp" under a
// base folder finds graph/back.bmp.
#include "platform/Files.h"

namespace tintfall {

class LocalFiles : public Files {
public:
    std::optional<std::vector<std::uint8_t>> read(const std::string& path, std::size_t maxBytes) override;
    std::optional<FileStart> readStart(const std::string& path, std::size_t count, std::size_t maxBytes) override;
    bool write(const std::string& path, const std::vector<std::uint8_t>& bytes) override;
    bool exists(const std::string& path) override;
    bool remove(const std::string& path) override;
    bool rename(const std::string& from, const std::string& to) override;
    std::string fullPath(const std::string& name) override;

    // The host form of a program path.
    static std::string hostPath(const std::string& path);
};

}  // namespace tintfall
