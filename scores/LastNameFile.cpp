#include "scores/LastNameFile.h"

#include "platform/DataReader.h"
#include "platform/DataWriter.h"

namespace tintfall {

std::vector<std::uint8_t> encodeLastName(const std::string& name) {
    DataWriter out;
    out.writeText(kLastNameHeader);
    out.writeText(name);
    return out.bytes();
}

std::optional<std::string> parseLastName(const std::uint8_t* data, std::size_t size) {
    DataReader in(data, size);
    if (!in.expectText(kLastNameHeader)) return std::nullopt;
    std::string name = in.readText();
    if (!in.ok()) return std::nullopt;
    return name;
}

std::string readLastName(Files& files, const std::string& baseFolder) {
    const auto bytes = files.read(baseFolder + kLastNameFileName);
    if (!bytes) return {};
    return parseLastName(bytes->data(), bytes->size()).value_or(std::string{});
}

bool writeLastName(Files& files, const std::string& baseFolder, const std::string& name) {
    return files.write(baseFolder + kLastNameFileName, encodeLastName(name));
}

}  // namespace tintfall
