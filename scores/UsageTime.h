#pragma once
// "tdata.dat": the program's total running time over all runs as hours,
// minutes and seconds (three integers, no header).
#include <cstdint>
#include <string>

#include "platform/Files.h"

namespace tintfall {

inline constexpr const char* kUsageTimeFileName = "tdata.dat";

struct UsageTime {
    std::uint32_t hours = 0;
    std::uint32_t minutes = 0;
    std::uint32_t seconds = 0;
};

// 0:0:0 when the file is missing or shorter than its 12 bytes.
UsageTime readUsageTime(Files& files, const std::string& baseFolder);
// Adds elapsedMs with the file's carry rules (1:59:50 + 15 s = 2:0:5).
UsageTime addElapsed(UsageTime time, std::uint32_t elapsedMs);
// Adds the run from runStartTime to nowMs (unsigned difference, so the
// wrapping clock is handled); a file that cannot be written is passed over.
// A damaged file is put aside first when it can be (see keepDamagedFileAside).
void addUsageTime(Files& files, const std::string& baseFolder, std::uint32_t nowMs, std::uint32_t runStartTime);
// "%u:%u:%u" of the stored time.
std::string usageTimeText(Files& files, const std::string& baseFolder);

}  // namespace tintfall
