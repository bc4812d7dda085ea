#pragma once
// Builds the bytes of a data file in the data-file encodings; the finished
// bytes go to disk through Files::write, the one writer of the program.
#include <cstdint>
#include <string>
#include <vector>

namespace tintfall {

class DataWriter {
public:
    void writeInt32(std::int32_t value) { writeUint32(static_cast<std::uint32_t>(value)); }
    void writeUint32(std::uint32_t value);
    void writeUint16(std::uint16_t value);
    void writeByte(std::uint8_t value) { bytes_.push_back(value); }
    // Length prefix of 1, 3 or 7 bytes, then the characters, no terminator.
    void writeText(const std::string& text);
    void writeBytes(const std::vector<std::uint8_t>& bytes);

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace tintfall
