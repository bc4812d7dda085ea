#pragma once
// Bounded reader of the data-file encodings: 4-byte little-endian integers
// and length-prefixed 8-bit texts. It never reads past the end of its bytes:
// once a read fails the reader stays failed and every later read yields zero
// or an empty text, so a file can be parsed field by field and judged once.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tintfall {

class DataReader {
public:
    DataReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    explicit DataReader(const std::vector<std::uint8_t>& bytes) : DataReader(bytes.data(), bytes.size()) {}

    std::int32_t readInt32();
    std::uint32_t readUint32();
    std::uint16_t readUint16();
    std::uint8_t readByte();
    // A length-prefixed text; a prefix longer than what remains fails the
    // reader without allocating anything.
    std::string readText();
    // Exactly count raw bytes, or nothing (and a failed reader).
    std::vector<std::uint8_t> readBytes(std::size_t count);
    // Reads a header text and compares it byte for byte.
    bool expectText(const std::string& expected);
    void skip(std::size_t count);

    bool ok() const { return ok_; }
    bool atEnd() const { return position_ == size_; }
    std::size_t position() const { return position_; }
    std::size_t remaining() const { return size_ - position_; }

private:
    bool take(std::size_t count);

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
    bool ok_ = true;
};

}  // namespace tintfall
