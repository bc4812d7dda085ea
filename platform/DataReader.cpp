#include "platform/DataReader.h"

namespace tintfall {

bool DataReader::take(std::size_t count) {
    if (!ok_ || count > size_ - position_) {
        ok_ = false;
        return false;
    }
    return true;
}

std::uint8_t DataReader::readByte() {
    if (!take(1)) return 0;
    return data_[position_++];
}

std::uint16_t DataReader::readUint16() {
    if (!take(2)) return 0;
    std::uint16_t value = static_cast<std::uint16_t>(data_[position_] | (data_[position_ + 1] << 8));
    position_ += 2;
    return value;
}

std::uint32_t DataReader::readUint32() {
    if (!take(4)) return 0;
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | data_[position_ + static_cast<std::size_t>(i)];
    position_ += 4;
    return value;
}

std::int32_t DataReader::readInt32() { return static_cast<std::int32_t>(readUint32()); }

std::string DataReader::readText() {
    std::uint32_t length = readByte();
    if (length == 0xFF) {
        length = readUint16();
        if (length == 0xFFFF) length = readUint32();
    }
    if (!take(length)) return {};
    std::string text(reinterpret_cast<const char*>(data_ + position_), length);
    position_ += length;
    return text;
}

std::vector<std::uint8_t> DataReader::readBytes(std::size_t count) {
    if (!take(count)) return {};
    std::vector<std::uint8_t> bytes(data_ + position_, data_ + position_ + count);
    position_ += count;
    return bytes;
}

bool DataReader::expectText(const std::string& expected) {
    std::string text = readText();
    return ok_ && text == expected;
}

void DataReader::skip(std::size_t count) {
    if (take(count)) position_ += count;
}

}  // namespace tintfall
