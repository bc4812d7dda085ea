#include "tools/helpc/KeywordIndex.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <utility>

#include "platform/DataWriter.h"
#include "tools/helpc/BTree.h"

namespace tintfall::help {

namespace {

constexpr BTreeShape kKeywordTree{0x0002, kTablePageSize, "F24"};

std::string folded(const std::string& text) {
    std::string out = text;
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace

std::optional<KeywordIndex> keywordIndex(const HelpDocument& document, const std::vector<std::uint32_t>& topicOffsets) {
    // The viewer compares keywords without regard to case.
    std::vector<std::pair<std::string, std::uint32_t>> keywords;
    for (std::size_t i = 0; i < document.topics.size(); ++i)
        keywords.emplace_back(document.topics[i].title, topicOffsets[i]);
    std::sort(keywords.begin(), keywords.end(), [](const auto& a, const auto& b) {
        const std::string foldedA = folded(a.first);
        const std::string foldedB = folded(b.first);
        return foldedA != foldedB ? foldedA < foldedB : a.first < b.first;
    });

    KeywordIndex index;
    DataWriter data;
    std::vector<std::vector<std::uint8_t>> entries;
    for (const auto& [keyword, offset] : keywords) {
        DataWriter entry;
        entry.writeBytes(std::vector<std::uint8_t>(keyword.begin(), keyword.end()));
        entry.writeByte(0);
        entry.writeUint16(1);  // one topic per keyword
        entry.writeUint32(static_cast<std::uint32_t>(data.bytes().size()));
        entries.push_back(entry.bytes());
        data.writeUint32(offset);
    }
    auto tree = singleLeafTree(kKeywordTree, entries);
    if (!tree) return std::nullopt;
    index.tree = *tree;
    index.data = data.bytes();

    DataWriter map;
    map.writeUint16(1);  // one leaf page
    map.writeUint32(0);  // its first keyword is keyword 0
    map.writeUint16(0);  // and it is page 0
    index.map = map.bytes();
    return index;
}

}  // namespace tintfall::help
