#pragma once
// The B+ tree that the help file's directory and lookup tables are stored
// in. The compiler's tables are small, so a tree is written as one leaf page.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tintfall::help {

struct BTreeShape {
    std::uint16_t flags;     // 0x0402 for the directory, 0x0002 otherwise
    std::uint16_t pageSize;  // 0x0400 for the directory, 0x0800 otherwise
    const char* structure;   // letters describing key and data, e.g. "L4"
};

constexpr BTreeShape kDirectoryTree{0x0402, 0x0400, "z4"};
constexpr std::uint16_t kTablePageSize = 0x0800;

// The tree's bytes: the 38-byte header and one leaf page holding the
// entries in the given order (the viewer stops at the first entry greater
// than the key it seeks, so the caller sorts them). Nothing when the entries
// do not fit one page.
std::optional<std::vector<std::uint8_t>> singleLeafTree(const BTreeShape& shape,
                                                       const std::vector<std::vector<std::uint8_t>>& entries);

}  // namespace tintfall::help
