#pragma once
// Test-side reader of compiled help files, written from the format rules
// (not from the compiler) and reading everything through DataReader, so the
// tests check the bytes the way a viewer walks them.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/DataReader.h"

namespace tintfall::help::readback {

struct InternalFile {
    std::uint32_t offset = 0;
    std::uint32_t reserved = 0;
    std::uint32_t used = 0;
    std::vector<std::uint8_t> content;
};

struct TreeLeaf {
    std::uint16_t magic = 0;
    std::uint16_t flags = 0;
    std::uint16_t pageSize = 0;
    std::string structure;
    std::uint16_t levels = 0;
    std::uint32_t totalEntries = 0;
    std::uint16_t unused = 0;
    std::uint16_t pageEntries = 0;
    std::vector<std::uint8_t> entries;  // the page after its 8-byte header
};

struct TopicRecord {
    std::uint32_t position = 0;
    std::uint32_t block = 0;
    std::uint32_t offset = 0;  // inside the block's payload
    std::uint32_t blockSize = 0;
    std::uint32_t dataLen2 = 0;
    std::uint32_t previous = 0;
    std::uint32_t next = 0;
    std::uint32_t dataLen1 = 0;
    std::uint8_t type = 0;
    std::vector<std::uint8_t> data1;
    std::vector<std::uint8_t> data2;
    std::uint32_t characters = 0;  // character address, as the viewer counts it
};

inline std::uint32_t decodeCompressedUnsignedShort(DataReader& reader) {
    const std::uint8_t first = reader.readByte();
    if ((first & 1) == 0) return first / 2u;
    return (first | (reader.readByte() << 8)) / 2u;
}

inline std::int32_t decodeCompressedSignedShort(DataReader& reader) {
    const std::uint8_t first = reader.readByte();
    if ((first & 1) == 0) return first / 2 - 0x40;
    return static_cast<std::int32_t>((first | (reader.readByte() << 8)) / 2u) - 0x4000;
}

inline std::int64_t decodeCompressedSignedLong(DataReader& reader) {
    const std::uint16_t low = reader.readUint16();
    if ((low & 1) == 0) return static_cast<std::int64_t>(low / 2u) - 0x4000;
    const std::uint32_t value = low | (static_cast<std::uint32_t>(reader.readUint16()) << 16);
    return static_cast<std::int64_t>(value / 2u) - 0x40000000LL;
}

class HelpFileReader {
public:
    explicit HelpFileReader(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {
        DataReader header(bytes_);
        magic = header.readUint32();
        directoryStart = header.readUint32();
        firstFree = header.readUint32();
        declaredSize = header.readUint32();
        headerOk = header.ok();
    }

    std::optional<InternalFile> internalFile(std::uint32_t offset) const {
        if (offset >= bytes_.size()) return std::nullopt;
        DataReader reader(bytes_.data() + offset, bytes_.size() - offset);
        InternalFile file;
        file.offset = offset;
        file.reserved = reader.readUint32();
        file.used = reader.readUint32();
        reader.readByte();
        if (!reader.ok() || file.reserved < 9) return std::nullopt;
        file.content = reader.readBytes(file.reserved - 9);
        if (!reader.ok()) return std::nullopt;
        return file;
    }

    static std::optional<TreeLeaf> leaf(const std::vector<std::uint8_t>& content) {
        DataReader reader(content);
        TreeLeaf tree;
        tree.magic = reader.readUint16();
        tree.flags = reader.readUint16();
        tree.pageSize = reader.readUint16();
        auto structure = reader.readBytes(16);
        tree.structure = std::string(structure.begin(), structure.end()).c_str();
        reader.skip(8);  // zero, splits, root, -1
        const std::uint16_t pages = reader.readUint16();
        tree.levels = reader.readUint16();
        tree.totalEntries = reader.readUint32();
        if (!reader.ok() || pages != 1 || tree.pageSize < 8) return std::nullopt;
        tree.unused = reader.readUint16();
        tree.pageEntries = reader.readUint16();
        reader.skip(4);
        tree.entries = reader.readBytes(tree.pageSize - 8u);
        if (!reader.ok()) return std::nullopt;
        return tree;
    }

    // Directory name -> internal file offset, in the stored order.
    std::vector<std::pair<std::string, std::uint32_t>> directory() const {
        std::vector<std::pair<std::string, std::uint32_t>> names;
        auto file = internalFile(directoryStart);
        if (!file) return names;
        auto tree = leaf(file->content);
        if (!tree) return names;
        DataReader reader(tree->entries);
        for (int i = 0; i < tree->pageEntries; ++i) {
            std::string name;
            for (char c = static_cast<char>(reader.readByte()); c != 0 && reader.ok();
                 c = static_cast<char>(reader.readByte()))
                name += c;
            names.emplace_back(name, reader.readUint32());
        }
        return names;
    }

    std::optional<InternalFile> named(const std::string& name) const {
        for (const auto& [entry, offset] : directory()) {
            if (entry == name) return internalFile(offset);
        }
        return std::nullopt;
    }

    // Follows the record chain from the first record as the viewer does and
    // counts character addresses; stops at the end marker or a broken link.
    std::vector<TopicRecord> topicRecords() const {
        std::vector<TopicRecord> records;
        auto topic = named("|TOPIC");
        if (!topic) return records;
        const auto& content = topic->content;
        std::uint32_t position = 12;
        std::uint32_t characters = 0;
        std::uint32_t lastBlock = 0;
        while (position != 0xFFFFFFFF && records.size() < 100000) {
            TopicRecord record;
            record.position = position;
            record.block = (position - 12) >> 14;
            record.offset = (position - 12) & 0x3FFF;
            const std::size_t start = std::size_t{record.block} * 4096 + 12 + record.offset;
            if (start >= content.size()) break;
            DataReader reader(content.data() + start, content.size() - start);
            record.blockSize = reader.readUint32();
            record.dataLen2 = reader.readUint32();
            record.previous = reader.readUint32();
            record.next = reader.readUint32();
            record.dataLen1 = reader.readUint32();
            record.type = reader.readByte();
            if (!reader.ok() || record.dataLen1 < 21 || record.blockSize < record.dataLen1) break;
            record.data1 = reader.readBytes(record.dataLen1 - 21);
            record.data2 = reader.readBytes(record.blockSize - record.dataLen1);
            if (!reader.ok()) break;
            if (record.block != lastBlock) characters = 0;
            lastBlock = record.block;
            record.characters = record.block * 0x8000 + characters;
            if (record.type == 0x20) {
                DataReader data1(record.data1);
                decodeCompressedSignedLong(data1);
                characters += decodeCompressedUnsignedShort(data1);
            }
            records.push_back(record);
            position = record.next;
        }
        return records;
    }

    // The title of the topic the viewer shows for a character address: the
    // topic header with the greatest address not above it.
    std::optional<std::string> topicTitleAt(std::uint32_t address) const {
        std::optional<std::string> title;
        std::uint32_t best = 0;
        for (const auto& record : topicRecords()) {
            if (record.type != 0x02 || record.characters > address) continue;
            if (!title || record.characters > best) {
                best = record.characters;
                title = std::string(record.data2.begin(), record.data2.end());
            }
        }
        return title;
    }

    std::size_t size() const { return bytes_.size(); }

    std::uint32_t magic = 0;
    std::uint32_t directoryStart = 0;
    std::uint32_t firstFree = 0;
    std::uint32_t declaredSize = 0;
    bool headerOk = false;

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace tintfall::help::readback
