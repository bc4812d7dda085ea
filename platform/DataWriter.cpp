#include "platform/DataWriter.h"

namespace tintfall {

void DataWriter::writeUint32(std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void DataWriter::writeUint16(std::uint16_t value) {
    bytes_.push_back(static_cast<std::uint8_t>(value));
    bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
}

void DataWriter::writeText(const std::string& text) {
    const std::size_t length = text.size();
    if (length < 0xFF) {
        writeByte(static_cast<std::uint8_t>(length));
    } else if (length < 0xFFFE) {
        writeByte(0xFF);
        writeUint16(static_cast<std::uint16_t>(length));
    } else {
        writeByte(0xFF);
        writeUint16(0xFFFF);
        writeUint32(static_cast<std::uint32_t>(length));
    }
    bytes_.insert(bytes_.end(), text.begin(), text.end());
}

void DataWriter::writeBytes(const std::vector<std::uint8_t>& bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

}  // namespace tintfall
