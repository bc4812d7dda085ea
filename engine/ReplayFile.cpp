#include "engine/ReplayFile.h"

#include "engine/ReplayCompression.h"
#include "platform/DataReader.h"
#include "platform/DataWriter.h"

namespace tintfall {

namespace {
constexpr std::uint8_t kMagic[4] = {'T', 'F', 'R', 'P'};
constexpr std::size_t kHeaderBytes = 4 + 2 + 4;
}  // namespace

std::vector<std::uint8_t> encodeReplayFile(const std::vector<std::uint8_t>& events) {
    DataWriter out;
    for (std::uint8_t b : kMagic) out.writeByte(b);
    out.writeUint16(kReplayFormat);
    out.writeUint32(static_cast<std::uint32_t>(events.size()));
    out.writeBytes(compressReplayBytes(events));
    return out.bytes();
}

ReplayFileRead parseReplayFile(const std::uint8_t* data, std::size_t size) {
    ReplayFileRead read;
    if (size > kReplayMaxFileBytes) {
        read.failure = "oversized: " + std::to_string(size) + " bytes, at most " + std::to_string(kReplayMaxFileBytes);
        return read;
    }
    DataReader in(data, size);
    bool magic = true;
    for (std::uint8_t b : kMagic) magic = in.readByte() == b && magic;
    const std::uint16_t format = in.readUint16();
    const std::uint32_t eventBytes = in.readUint32();
    if (!in.ok() || !magic) {
        read.failure = "not a replay";
    } else if (format != kReplayFormat) {
        read.failure = "replay format " + std::to_string(format) + " is not known";
    } else if (eventBytes > kReplayMaxEventBytes) {
        read.failure = "expands past the limit: " + std::to_string(eventBytes) + " bytes, at most " +
                       std::to_string(kReplayMaxEventBytes);
    } else if (auto events = expandReplayBytes(data + kHeaderBytes, size - kHeaderBytes, eventBytes)) {
        read.events = std::move(*events);
    } else {
        read.failure = "damaged or cut short: it does not expand to its stated size";
    }
    return read;
}

}  // namespace tintfall
