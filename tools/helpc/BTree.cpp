#include "tools/helpc/BTree.h"

#include <algorithm>
#include <cstring>

#include "platform/DataWriter.h"

namespace tintfall::help {

namespace {

constexpr std::uint16_t kTreeMagic = 0x293B;
constexpr std::size_t kStructureSize = 16;
constexpr std::size_t kLeafHeaderSize = 8;
constexpr std::uint16_t kNone = 0xFFFF;

}  // namespace

std::optional<std::vector<std::uint8_t>> singleLeafTree(const BTreeShape& shape,
                                                       const std::vector<std::vector<std::uint8_t>>& entries) {
    std::size_t used = 0;
    for (const auto& entry : entries) used += entry.size();
    const std::size_t structureLength = std::strlen(shape.structure);
    if (kLeafHeaderSize + used > shape.pageSize || entries.size() > 0x7FFF || structureLength >= kStructureSize)
        return std::nullopt;

    DataWriter writer;
    writer.writeUint16(kTreeMagic);
    writer.writeUint16(shape.flags);
    writer.writeUint16(shape.pageSize);
    std::vector<std::uint8_t> structure(kStructureSize, 0);
    std::copy(shape.structure, shape.structure + structureLength, structure.begin());
    writer.writeBytes(structure);
    writer.writeUint16(0);      // must be zero
    writer.writeUint16(0);      // page splits
    writer.writeUint16(0);      // root page
    writer.writeUint16(kNone);  // must be -1
    writer.writeUint16(1);      // total pages
    writer.writeUint16(1);      // levels
    writer.writeUint32(static_cast<std::uint32_t>(entries.size()));

    writer.writeUint16(static_cast<std::uint16_t>(shape.pageSize - kLeafHeaderSize - used));
    writer.writeUint16(static_cast<std::uint16_t>(entries.size()));
    writer.writeUint16(kNone);  // no previous leaf
    writer.writeUint16(kNone);  // no next leaf
    for (const auto& entry : entries) writer.writeBytes(entry);
    writer.writeBytes(std::vector<std::uint8_t>(shape.pageSize - kLeafHeaderSize - used, 0));
    return writer.bytes();
}

}  // namespace tintfall::help
