#include "platform/DamagedCopy.h"

namespace tintfall {

namespace {

// Far more damaged copies than any player keeps; past it nothing is replaced.
constexpr int kMaxCopies = 100;

}  // namespace

std::string freeDamagedName(Files& files, const std::string& path) {
    for (int n = 1; n <= kMaxCopies; ++n) {
        std::string name = path + ".damaged" + (n > 1 ? std::to_string(n) : std::string());
        if (!files.exists(name)) return name;
    }
    return {};
}

bool keepDamagedCopy(Files& files, const std::string& path) {
    if (!files.exists(path)) return true;
    const auto bytes = files.read(path);
    if (!bytes) return false;
    if (bytes->empty()) return true;
    const std::string name = freeDamagedName(files, path);
    return !name.empty() && files.write(name, *bytes);
}

}  // namespace tintfall
