#include "net/LastSendFile.h"

#include "platform/DataReader.h"
#include "platform/DataWriter.h"

namespace tintfall {

std::vector<std::uint8_t> encodeLastSend(const SendDetails& details) {
    DataWriter out;
    out.writeText(kLastSendHeader);
    out.writeText(details.name);
    out.writeText(details.email);
    out.writeText(details.country);
    out.writeText(details.notes);
    return out.bytes();
}

std::optional<SendDetails> parseLastSend(const std::uint8_t* data, std::size_t size) {
    DataReader in(data, size);
    if (!in.expectText(kLastSendHeader)) return std::nullopt;
    SendDetails details;
    details.name = in.readText();
    details.email = in.readText();
    details.country = in.readText();
    details.notes = in.readText();
    if (!in.ok()) return std::nullopt;
    return details;
}

SendDetails readLastSend(Files& files, const std::string& baseFolder) {
    const auto bytes = files.read(baseFolder + kLastSendFileName);
    if (!bytes) return {};
    return parseLastSend(bytes->data(), bytes->size()).value_or(SendDetails{});
}

bool writeLastSend(Files& files, const std::string& baseFolder, const SendDetails& details) {
    return files.write(baseFolder + kLastSendFileName, encodeLastSend(details));
}

}  // namespace tintfall
