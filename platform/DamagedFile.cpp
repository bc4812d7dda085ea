#include "platform/DamagedFile.h"

#include <cstdint>
#include <limits>

namespace tintfall {

bool keepDamagedFileAside(Files& files, const std::string& path) {
    if (!files.exists(path)) return true;
    // Only the size is asked for, whatever it is.
    const auto start = files.readStart(path, 0, std::numeric_limits<std::size_t>::max());
    if (start && start->size == 0) return true;
    for (std::uint64_t n = 1;; ++n) {
        const std::string name = path + ".damaged" + (n > 1 ? std::to_string(n) : std::string());
        if (!files.exists(name)) return files.rename(path, name);
    }
}

}  // namespace tintfall
