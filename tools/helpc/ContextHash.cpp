#include "tools/helpc/ContextHash.h"

namespace tintfall::help {

namespace {

// 0 for a character the hash skips.
std::uint32_t hashValue(char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<std::uint32_t>(c - 'A') + 17;
    if (c >= 'a' && c <= 'z') return static_cast<std::uint32_t>(c - 'a') + 17;
    if (c >= '1' && c <= '9') return static_cast<std::uint32_t>(c - '0');
    if (c == '0') return 10;
    if (c == '.') return 12;
    if (c == '_') return 13;
    return 0;
}

}  // namespace

std::int32_t contextHash(const std::string& name) {
    std::uint32_t hash = 0;
    for (char c : name) {
        std::uint32_t value = hashValue(c);
        if (value != 0) hash = hash * 43 + value;
    }
    return static_cast<std::int32_t>(hash);
}

bool isValidContextName(const std::string& name) {
    if (name.empty()) return false;
    for (char c : name) {
        if (hashValue(c) == 0) return false;
    }
    return true;
}

}  // namespace tintfall::help
