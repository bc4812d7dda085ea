#include "scores/FirstStart.h"

#include "platform/DataReader.h"
#include "platform/DataWriter.h"

namespace tintfall {

namespace {

std::string firstStartPath(const std::string& folder) { return folder + kFirstStartFileName; }

}  // namespace

bool writeFirstStartIfAbsent(Files& files, const std::string& folder, const std::string& nowText) {
    const std::string path = firstStartPath(folder);
    if (files.exists(path)) return true;
    DataWriter out;
    out.writeText(nowText);
    return files.write(path, out.bytes());
}

std::string firstStartText(Files& files, const std::string& folder) {
    const auto bytes = files.read(firstStartPath(folder));
    if (!bytes) return "UNKNOWN";
    DataReader in(*bytes);
    std::string text = in.readText();
    return in.ok() ? text : "UNKNOWN";
}

}  // namespace tintfall
