#include "platform/headless/LocalFiles.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

namespace tintfall {

std::string LocalFiles::hostPath(const std::string& path) {
#ifdef _WIN32
    return path;
#else
    std::string host = path;
    for (char& c : host) {
        if (c == '\\') c = '/';
    }
    return host;
#endif
}

std::optional<std::vector<std::uint8_t>> LocalFiles::read(const std::string& path, std::size_t maxBytes) {
    std::optional<FileStart> whole = readStart(path, maxBytes, maxBytes);
    if (!whole) return std::nullopt;
    return std::move(whole->bytes);
}

std::optional<FileStart> LocalFiles::readStart(const std::string& path, std::size_t count, std::size_t maxBytes) {
    std::ifstream in(hostPath(path), std::ios::binary);
    if (!in) return std::nullopt;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0 || static_cast<std::uint64_t>(size) > maxBytes) return std::nullopt;
    in.seekg(0, std::ios::beg);
    FileStart start;
    start.size = static_cast<std::uint64_t>(size);
    start.bytes.resize(static_cast<std::size_t>(std::min<std::uint64_t>(start.size, count)));
    if (!start.bytes.empty() && !in.read(reinterpret_cast<char*>(start.bytes.data()), static_cast<std::streamsize>(start.bytes.size())))
        return std::nullopt;
    return start;
}

bool LocalFiles::write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    const std::string target = hostPath(path);
    const std::string temporary = target + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        if (!bytes.empty()) out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::remove(temporary.c_str());
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

bool LocalFiles::exists(const std::string& path) {
    std::ifstream in(hostPath(path), std::ios::binary);
    return static_cast<bool>(in);
}

bool LocalFiles::remove(const std::string& path) { return std::remove(hostPath(path).c_str()) == 0; }

bool LocalFiles::rename(const std::string& from, const std::string& to) {
    const std::string target = hostPath(to);
    std::error_code error;
    if (std::filesystem::exists(target, error) || error) return false;
    std::filesystem::rename(hostPath(from), target, error);
    return !error;
}

std::string LocalFiles::fullPath(const std::string& name) {
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(hostPath(name), error);
    return error ? name : full.string();
}

}  // namespace tintfall
