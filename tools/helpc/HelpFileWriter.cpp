#include "tools/helpc/HelpFileWriter.h"

#include <algorithm>
#include <map>
#include <optional>
#include <utility>

#include "platform/DataWriter.h"
#include "tools/helpc/BTree.h"
#include "tools/helpc/ContextHash.h"
#include "tools/helpc/FontTable.h"
#include "tools/helpc/KeywordIndex.h"
#include "tools/helpc/TopicFile.h"

namespace tintfall::help {

namespace {

constexpr std::uint32_t kFileMagic = 0x00035F3F;
constexpr std::uint32_t kFileHeaderSize = 16;
constexpr std::uint8_t kInternalFileFlags = 4;

constexpr std::uint16_t kSystemMagic = 0x036C;
// A 3.1 file; with flags 0 its topic blocks are 4096 bytes, uncompressed.
constexpr std::uint16_t kSystemMinor = 21;
constexpr std::uint16_t kSystemMajor = 1;
constexpr std::uint16_t kSystemFlags = 0;
constexpr std::uint16_t kTitleRecord = 1;
constexpr std::uint16_t kCopyrightRecord = 2;
constexpr std::uint16_t kContentsRecord = 3;
constexpr std::uint16_t kWindowRecord = 6;

// The main window's definition: which of its fields are given, then type,
// name and caption in fixed-size fields and room for position, size and
// colours, 90 bytes in all.
constexpr std::uint16_t kWindowHasType = 0x0001;
constexpr std::uint16_t kWindowHasName = 0x0002;
constexpr std::uint16_t kWindowHasCaption = 0x0004;
constexpr std::size_t kWindowTypeSize = 10;
constexpr std::size_t kWindowNameSize = 9;
constexpr std::size_t kWindowCaptionSize = 51;
constexpr std::size_t kWindowRecordSize = 90;

constexpr BTreeShape kContextTree{0x0002, kTablePageSize, "L4"};
constexpr BTreeShape kTitleTree{0x0002, kTablePageSize, "Lz"};

void writeStringRecord(DataWriter& writer, std::uint16_t type, const std::string& text) {
    writer.writeUint16(type);
    writer.writeUint16(static_cast<std::uint16_t>(text.size() + 1));
    writer.writeBytes(std::vector<std::uint8_t>(text.begin(), text.end()));
    writer.writeByte(0);
}

std::vector<std::uint8_t> fixedField(const std::string& text, std::size_t size) {
    std::vector<std::uint8_t> field(size, 0);
    std::copy_n(text.begin(), std::min(text.size(), size - 1), field.begin());
    return field;
}

// Without it the viewer keeps the caption of whatever window it showed
// first, so a help window opened by a program would not carry our title.
void writeMainWindowRecord(DataWriter& writer, const std::string& caption) {
    writer.writeUint16(kWindowRecord);
    writer.writeUint16(static_cast<std::uint16_t>(kWindowRecordSize));
    writer.writeUint16(kWindowHasType | kWindowHasName | kWindowHasCaption);
    writer.writeBytes(fixedField("primary", kWindowTypeSize));
    writer.writeBytes(fixedField("main", kWindowNameSize));
    writer.writeBytes(fixedField(caption, kWindowCaptionSize));
    const std::size_t used = 2 + kWindowTypeSize + kWindowNameSize + kWindowCaptionSize;
    writer.writeBytes(std::vector<std::uint8_t>(kWindowRecordSize - used, 0));
}

std::vector<std::uint8_t> systemFile(const HelpDocument& document, std::uint32_t contentsOffset) {
    DataWriter writer;
    writer.writeUint16(kSystemMagic);
    writer.writeUint16(kSystemMinor);
    writer.writeUint16(kSystemMajor);
    writer.writeUint32(0);  // build date: none, so equal sources give equal files
    writer.writeUint16(kSystemFlags);
    writeStringRecord(writer, kTitleRecord, document.title);
    if (!document.copyright.empty()) writeStringRecord(writer, kCopyrightRecord, document.copyright);
    writer.writeUint16(kContentsRecord);
    writer.writeUint16(4);
    writer.writeUint32(contentsOffset);
    writeMainWindowRecord(writer, document.title);
    return writer.bytes();
}

std::vector<std::uint8_t> contextMapFile(const HelpDocument& document, const std::vector<std::uint32_t>& offsets) {
    std::vector<std::pair<std::int32_t, std::uint32_t>> map;
    for (std::size_t i = 0; i < document.topics.size(); ++i) {
        if (document.topics[i].mapNumber) map.emplace_back(*document.topics[i].mapNumber, offsets[i]);
    }
    std::sort(map.begin(), map.end());
    DataWriter writer;
    writer.writeUint16(static_cast<std::uint16_t>(map.size()));
    for (const auto& [number, offset] : map) {
        writer.writeInt32(number);
        writer.writeUint32(offset);
    }
    return writer.bytes();
}

std::optional<std::vector<std::uint8_t>> contextFile(const HelpDocument& document,
                                                    const std::vector<std::uint32_t>& offsets) {
    // Sorted by the hash as a signed number: the viewer compares it so.
    std::map<std::int32_t, std::uint32_t> byHash;
    for (std::size_t i = 0; i < document.topics.size(); ++i)
        byHash[contextHash(document.topics[i].contextName)] = offsets[i];
    std::vector<std::vector<std::uint8_t>> entries;
    for (const auto& [hash, offset] : byHash) {
        DataWriter entry;
        entry.writeInt32(hash);
        entry.writeUint32(offset);
        entries.push_back(entry.bytes());
    }
    return singleLeafTree(kContextTree, entries);
}

std::optional<std::vector<std::uint8_t>> titleFile(const HelpDocument& document,
                                                  const std::vector<std::uint32_t>& offsets) {
    // Topic offsets grow with the document order, so the entries are sorted.
    std::vector<std::vector<std::uint8_t>> entries;
    for (std::size_t i = 0; i < document.topics.size(); ++i) {
        DataWriter entry;
        entry.writeUint32(offsets[i]);
        const std::string& title = document.topics[i].title;
        entry.writeBytes(std::vector<std::uint8_t>(title.begin(), title.end()));
        entry.writeByte(0);
        entries.push_back(entry.bytes());
    }
    return singleLeafTree(kTitleTree, entries);
}

void writeInternalFile(DataWriter& writer, const std::vector<std::uint8_t>& content) {
    // The reserved space is exactly the header and the content: the viewer
    // reads some internal files up to the reserved end.
    writer.writeUint32(static_cast<std::uint32_t>(content.size() + 9));
    writer.writeUint32(static_cast<std::uint32_t>(content.size()));
    writer.writeByte(kInternalFileFlags);
    writer.writeBytes(content);
}

}  // namespace

CompiledHelp compileHelp(const HelpDocument& document) {
    CompiledHelp result;
    if (document.topics.empty()) {
        result.error = "a help file needs at least one topic";
        return result;
    }
    TopicFile topics = layOutTopics(document);
    if (!topics.error.empty()) {
        result.error = topics.error;
        return result;
    }
    auto context = contextFile(document, topics.topicOffsets);
    auto titles = titleFile(document, topics.topicOffsets);
    auto keywords = keywordIndex(document, topics.topicOffsets);
    if (!context || !titles || !keywords) {
        result.error = "too many topics for one table page";
        return result;
    }

    // By name in byte order: the directory must list them sorted so.
    const std::map<std::string, std::vector<std::uint8_t>> files{
        {"|CONTEXT", *context},
        {"|CTXOMAP", contextMapFile(document, topics.topicOffsets)},
        {"|FONT", fontFile()},
        {"|KWBTREE", keywords->tree},
        {"|KWDATA", keywords->data},
        {"|KWMAP", keywords->map},
        {"|SYSTEM", systemFile(document, topics.topicOffsets.front())},
        {"|TOPIC", topics.content},
        {"|TTLBTREE", *titles},
    };

    DataWriter body;
    std::vector<std::vector<std::uint8_t>> directory;
    for (const auto& [name, content] : files) {
        DataWriter entry;
        entry.writeBytes(std::vector<std::uint8_t>(name.begin(), name.end()));
        entry.writeByte(0);
        entry.writeUint32(static_cast<std::uint32_t>(kFileHeaderSize + body.bytes().size()));
        directory.push_back(entry.bytes());
        writeInternalFile(body, content);
    }
    // The few short names always fit the one directory page.
    auto directoryTree = singleLeafTree(kDirectoryTree, directory);
    const auto directoryStart = static_cast<std::uint32_t>(kFileHeaderSize + body.bytes().size());
    writeInternalFile(body, *directoryTree);

    DataWriter file;
    file.writeUint32(kFileMagic);
    file.writeUint32(directoryStart);
    file.writeUint32(0xFFFFFFFF);  // no free blocks
    file.writeUint32(static_cast<std::uint32_t>(kFileHeaderSize + body.bytes().size()));
    file.writeBytes(body.bytes());
    result.bytes = file.bytes();
    return result;
}

}  // namespace tintfall::help
