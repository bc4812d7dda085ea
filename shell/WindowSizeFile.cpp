#include "shell/WindowSizeFile.h"

#include "platform/DataReader.h"
#include "platform/DataWriter.h"

namespace tintfall {

std::vector<std::uint8_t> encodeWindowSizeMode(std::int32_t mode) {
    DataWriter out;
    out.writeText(kWindowSizeHeader);
    out.writeInt32(mode);
    return out.bytes();
}

std::optional<std::int32_t> parseWindowSizeMode(const std::uint8_t* data, std::size_t size) {
    DataReader in(data, size);
    if (!in.expectText(kWindowSizeHeader)) return std::nullopt;
    const std::int32_t mode = in.readInt32();
    if (!in.ok()) return std::nullopt;
    return mode;
}

std::int32_t readWindowSizeMode(Files& files, const std::string& baseFolder) {
    const auto bytes = files.read(baseFolder + kWindowSizeFileName);
    if (!bytes) return kAutomaticWindowSize;
    return parseWindowSizeMode(bytes->data(), bytes->size()).value_or(kAutomaticWindowSize);
}

bool writeWindowSizeMode(Files& files, const std::string& baseFolder, std::int32_t mode) {
    return files.write(baseFolder + kWindowSizeFileName, encodeWindowSizeMode(mode));
}

}  // namespace tintfall
