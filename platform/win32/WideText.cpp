#include "platform/win32/WideText.h"

namespace tintfall {

namespace {

std::wstring decode(UINT codePage, DWORD flags, const std::string& text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, flags, text.data(), size, nullptr, 0);
    if (length <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, flags, text.data(), size, wide.data(), length);
    return wide;
}

std::string encode(UINT codePage, DWORD flags, const std::wstring& text, BOOL* replaced) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(codePage, flags, text.data(), size, nullptr, 0, nullptr, replaced);
    if (length <= 0) return {};
    std::string out(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, text.data(), size, out.data(), length, nullptr, replaced);
    return out;
}

}  // namespace

std::wstring toWide(const std::string& text) {
    std::wstring wide = decode(CP_UTF8, MB_ERR_INVALID_CHARS, text);
    if (wide.empty() && !text.empty()) wide = decode(CP_ACP, 0, text);
    return wide;
}

std::string pathFromWide(const std::wstring& path) { return encode(CP_UTF8, 0, path, nullptr); }

bool toCodePage(const std::wstring& text, std::string& out) {
    // No best fit: "Ω" must not quietly become "O" and name another file.
    BOOL replaced = FALSE;
    out = encode(CP_ACP, WC_NO_BEST_FIT_CHARS, text, &replaced);
    return !replaced && (text.empty() || !out.empty());
}

std::wstring codePagePath(const std::wstring& path) {
    std::string unused;
    if (toCodePage(path, unused)) return path;
    std::wstring shortPath(MAX_PATH, L'\0');
    DWORD length = GetShortPathNameW(path.c_str(), shortPath.data(), static_cast<DWORD>(shortPath.size()));
    if (length >= shortPath.size()) {
        shortPath.resize(length);
        length = GetShortPathNameW(path.c_str(), shortPath.data(), static_cast<DWORD>(shortPath.size()));
    }
    if (length == 0 || length >= shortPath.size()) return path;
    shortPath.resize(length);
    return toCodePage(shortPath, unused) ? shortPath : path;
}

}  // namespace tintfall
