#include "scores/FirstStart.h"

#include "platform/DataReader.h"
#include "platform/DataWriter.h"

namespace tintfall {

namespace {

std::string firstStartPath(const std::string& baseFolder) { return baseFolder + kFirstStartFileName; }

}  // namespace

bool writeFirstStartIfAbsent(Files& files, const std::string& baseFolder, const std::string& nowText) {
    const std::string path = firstStartPath(baseFolder);
    if (files.exists(path)) return true;
    DataWriter out;
    out.writeText(nowText);
    return files.write(path, out.bytes());
}

std::string firstStartText(Files& files, const std::string& baseFolder) {
    const auto bytes = files.read(firstStartPath(baseFolder));
    if (!bytes) return "UNKNOWN";
    DataReader in(*bytes);
    std::string text = in.readText();
    return in.ok() ? text : "UNKNOWN";
}

}  // namespace tintfall
