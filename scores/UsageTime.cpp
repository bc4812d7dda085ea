#include "scores/UsageTime.h"

#include <optional>

#include "platform/DamagedFile.h"
#include "platform/DataReader.h"
#include "platform/DataWriter.h"

namespace tintfall {

namespace {

std::string usagePath(const std::string& baseFolder) { return baseFolder + kUsageTimeFileName; }

// Nothing when the file is missing or holds no complete time.
std::optional<UsageTime> loadUsageTime(Files& files, const std::string& baseFolder) {
    const auto bytes = files.read(usagePath(baseFolder));
    if (!bytes) return std::nullopt;
    DataReader in(*bytes);
    UsageTime time;
    time.hours = in.readUint32();
    time.minutes = in.readUint32();
    time.seconds = in.readUint32();
    if (!in.ok()) return std::nullopt;
    return time;
}

}  // namespace

UsageTime readUsageTime(Files& files, const std::string& baseFolder) {
    // A short file holds no complete time: count it as none so far.
    return loadUsageTime(files, baseFolder).value_or(UsageTime{});
}

UsageTime addElapsed(UsageTime time, std::uint32_t elapsedMs) {
    const std::uint32_t elapsedSeconds = elapsedMs / 1000;
    UsageTime sum;
    sum.seconds = time.seconds + elapsedSeconds % 60;
    sum.minutes = time.minutes + elapsedSeconds % 3600 / 60 + (sum.seconds >= 60 ? 1 : 0);
    sum.hours = time.hours + elapsedMs / 3600000;
    if (sum.minutes >= 60) {
        sum.hours += 1;
        sum.minutes %= 60;
    }
    if (sum.seconds >= 60) sum.seconds %= 60;
    return sum;
}

void addUsageTime(Files& files, const std::string& baseFolder, std::uint32_t nowMs, std::uint32_t runStartTime) {
    const std::optional<UsageTime> stored = loadUsageTime(files, baseFolder);
    if (!stored) keepDamagedFileAside(files, usagePath(baseFolder));
    const UsageTime sum = addElapsed(stored.value_or(UsageTime{}), nowMs - runStartTime);
    DataWriter out;
    out.writeUint32(sum.hours);
    out.writeUint32(sum.minutes);
    out.writeUint32(sum.seconds);
    files.write(usagePath(baseFolder), out.bytes());
}

std::string usageTimeText(Files& files, const std::string& baseFolder) {
    const UsageTime time = readUsageTime(files, baseFolder);
    return std::to_string(time.hours) + ":" + std::to_string(time.minutes) + ":" + std::to_string(time.seconds);
}

}  // namespace tintfall
