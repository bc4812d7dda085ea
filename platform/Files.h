#pragma once
// The program's access to files. Paths are built as on Windows (baseFolder
// ending in a backslash, names such as "graph\back.bmp"); an implementation
// maps them to its own file system.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tintfall {

// The first bytes of a file and the size of the whole file.
struct FileStart {
    std::vector<std::uint8_t> bytes;
    std::uint64_t size = 0;
};

class Files {
public:
    virtual ~Files() = default;
    // The whole file, or nothing when it cannot be opened or is larger than
    // maxBytes (no file of the program is that large; a bigger one is foreign).
    virtual std::optional<std::vector<std::uint8_t>> read(const std::string& path,
                                                          std::size_t maxBytes = kDefaultReadLimit) = 0;
    // The first count bytes (all of a shorter file) and the file's size, or
    // nothing when read() would give nothing: a header checked without
    // reading the rest.
    virtual std::optional<FileStart> readStart(const std::string& path, std::size_t count, std::size_t maxBytes) = 0;
    // Writes the bytes to a temporary file beside the target, then replaces
    // the target with it, so the target is never left half written.
    virtual bool write(const std::string& path, const std::vector<std::uint8_t>& bytes) = 0;
    virtual bool exists(const std::string& path) = 0;
    virtual bool remove(const std::string& path) = 0;
    // Gives a file another name; fails and changes nothing when a file of
    // that name exists already.
    virtual bool rename(const std::string& from, const std::string& to) = 0;
    // Full path of a file name relative to the current working folder.
    virtual std::string fullPath(const std::string& name) = 0;
    // A path as an 8-bit text the program's files store, and back. The files
    // hold texts in the system's code page; a path that has no form there is
    // stored in another form that names the same file.
    virtual std::string storedPath(const std::string& path) { return path; }
    virtual std::string pathFromStored(const std::string& text) { return text; }

    static constexpr std::size_t kDefaultReadLimit = 64u * 1024u * 1024u;
};

}  // namespace tintfall
