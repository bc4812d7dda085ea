#include "platform/win32/Win32Files.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "platform/win32/WideText.h"

namespace tintfall {

std::optional<std::vector<std::uint8_t>> Win32Files::read(const std::string& path, std::size_t maxBytes) {
    std::optional<FileStart> whole = readStart(path, maxBytes, maxBytes);
    if (!whole) return std::nullopt;
    return std::move(whole->bytes);
}

std::optional<FileStart> Win32Files::readStart(const std::string& path, std::size_t count, std::size_t maxBytes) {
    HANDLE file = CreateFileW(toWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::optional<FileStart> result;
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file, &size) && size.QuadPart >= 0 && static_cast<std::uint64_t>(size.QuadPart) <= maxBytes) {
        FileStart start;
        start.size = static_cast<std::uint64_t>(size.QuadPart);
        start.bytes.resize(static_cast<std::size_t>(std::min<std::uint64_t>(start.size, count)));
        std::size_t done = 0;
        bool ok = true;
        while (ok && done < start.bytes.size()) {
            DWORD got = 0;
            const DWORD want = static_cast<DWORD>(std::min<std::size_t>(start.bytes.size() - done, 1u << 20));
            ok = ReadFile(file, start.bytes.data() + done, want, &got, nullptr) && got > 0;
            done += got;
        }
        if (ok) result = std::move(start);
    }
    CloseHandle(file);
    return result;
}

bool Win32Files::write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    const std::string temporary = path + ".tmp";
    HANDLE file = CreateFileW(toWide(temporary).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        DWORD written = 0;
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        ok = WriteFile(file, bytes.data() + done, want, &written, nullptr) && written == want;
        done += written;
    }
    ok = FlushFileBuffers(file) && ok;
    CloseHandle(file);
    if (ok) ok = MoveFileExW(toWide(temporary).c_str(), toWide(path).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) DeleteFileW(toWide(temporary).c_str());
    return ok;
}

bool Win32Files::exists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(toWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32Files::remove(const std::string& path) { return DeleteFileW(toWide(path).c_str()) != 0; }

// Without MOVEFILE_REPLACE_EXISTING an existing target makes the move fail.
bool Win32Files::rename(const std::string& from, const std::string& to) {
    return MoveFileW(toWide(from).c_str(), toWide(to).c_str()) != 0;
}

std::string Win32Files::fullPath(const std::string& name) {
    const std::wstring wideName = toWide(name);
    std::wstring buffer(MAX_PATH, L'\0');
    DWORD length = GetFullPathNameW(wideName.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
    if (length >= buffer.size()) {
        buffer.resize(length);
        length = GetFullPathNameW(wideName.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
    }
    if (length == 0 || length >= buffer.size()) return name;
    buffer.resize(length);
    return pathFromWide(buffer);
}

// The code page's form when the path has one, as the files always held it.
// Otherwise the short form, which opens the same file for any reader of the
// file, this program or an earlier one. A volume without short names leaves
// UTF-8, which only this program reads back.
std::string Win32Files::storedPath(const std::string& path) {
    std::string stored;
    return toCodePage(codePagePath(toWide(path)), stored) ? stored : path;
}

std::string Win32Files::pathFromStored(const std::string& text) { return pathFromWide(toWide(text)); }

}  // namespace tintfall
