#include "platform/DamagedCopy.h"

namespace tintfall {

namespace {

// Far more damaged copies than any player keeps; past it nothing is replaced.
constexpr int kMaxCopies = 100;

std::string damagedCopyName(const std::string& path, int n) {
    return path + ".damaged" + (n > 1 ? std::to_string(n) : std::string());
}

}  // namespace

bool keepDamagedCopy(Files& files, const std::string& path) {
    if (!files.exists(path)) return true;
    const auto bytes = files.read(path);
    if (!bytes) return false;
    if (bytes->empty()) return true;
    for (int n = 1; n <= kMaxCopies; ++n) {
        const std::string name = damagedCopyName(path, n);
        if (!files.exists(name)) return files.write(name, *bytes);
    }
    return false;
}

}  // namespace tintfall
