#include <gtest/gtest.h>

#include <set>

#include "HelpFileReader.h"
#include "tests/unit/tools/GameHelpSource.h"
#include "tools/helpc/ContextHash.h"
#include "tools/helpc/HelpFileWriter.h"
#include "tools/helpc/HelpSourceParser.h"

using namespace tintfall;
using namespace tintfall::help;
using readback::HelpFileReader;
using readback::TopicRecord;

namespace {

HelpDocument parsed(const std::string& source) {
    ParseResult result = parseHelpSource(source);
    EXPECT_TRUE(result.document) << result.errorLine << ": " << result.error;
    return result.document ? *result.document : HelpDocument{};
}

HelpFileReader compiled(const HelpDocument& document) {
    CompiledHelp help = compileHelp(document);
    EXPECT_EQ(help.error, "");
    return HelpFileReader(help.bytes);
}

const char* const kThreeTopics =
    "@file Tintfall Help\n"
    "@topic contents 1\n"
    "# Contents\n"
    "See [the panel](control_panel) or [scoring](scoring).\n"
    "@topic scoring\n"
    "# Scoring\n"
    "Points.\n"
    "@topic control_panel 10\n"
    "# The control panel\n"
    "Back to [contents](contents).\n";

// Many topics of several paragraphs, enough for a few topic blocks; the
// mapped topics lie in later blocks.
std::string longSource() {
    std::string source = "@file Long\n";
    for (int t = 0; t < 40; ++t) {
        source += "@topic t" + std::to_string(t);
        if (t == 25) source += " 1";
        if (t == 39) source += " 10";
        source += "\n# Topic " + std::to_string(t) + "\n";
        for (int p = 0; p < 4; ++p)
            source += "Paragraph " + std::to_string(p) + " with some words to fill the block, and [a jump](t" +
                      std::to_string((t + 1) % 40) + ").\n\n";
    }
    return source;
}

std::map<std::int32_t, std::uint32_t> contextEntries(const HelpFileReader& reader) {
    std::map<std::int32_t, std::uint32_t> entries;
    auto file = reader.named("|CONTEXT");
    if (!file) return entries;
    auto tree = HelpFileReader::leaf(file->content);
    if (!tree) return entries;
    DataReader data(tree->entries);
    std::int32_t previous = INT32_MIN;
    for (int i = 0; i < tree->pageEntries; ++i) {
        const std::int32_t hash = data.readInt32();
        EXPECT_TRUE(i == 0 || hash > previous) << "hashes sorted as signed numbers";
        previous = hash;
        entries[hash] = data.readUint32();
    }
    return entries;
}

std::map<std::int32_t, std::uint32_t> contextMap(const HelpFileReader& reader) {
    std::map<std::int32_t, std::uint32_t> map;
    auto file = reader.named("|CTXOMAP");
    if (!file) return map;
    DataReader data(file->content);
    const std::uint16_t count = data.readUint16();
    for (int i = 0; i < count; ++i) {
        const std::int32_t number = data.readInt32();
        map[number] = data.readUint32();
    }
    EXPECT_TRUE(data.ok() && data.atEnd());
    return map;
}

// Checks what every compiled file must satisfy, whatever its text.
void expectSoundFile(const HelpFileReader& reader, const HelpDocument& document) {
    EXPECT_TRUE(reader.headerOk);
    EXPECT_EQ(reader.magic, 0x00035F3Fu);
    EXPECT_EQ(reader.declaredSize, reader.size());
    EXPECT_EQ(reader.firstFree, 0xFFFFFFFFu);

    // The directory: nine files in byte order, back to back from offset 16,
    // each reserving exactly its content, the directory itself last.
    const auto directory = reader.directory();
    std::vector<std::string> names;
    for (const auto& entry : directory) names.push_back(entry.first);
    EXPECT_EQ(names, (std::vector<std::string>{"|CONTEXT", "|CTXOMAP", "|FONT", "|KWBTREE", "|KWDATA", "|KWMAP",
                                               "|SYSTEM", "|TOPIC", "|TTLBTREE"}));
    std::uint32_t expectedOffset = 16;
    for (const auto& [name, offset] : directory) {
        EXPECT_EQ(offset, expectedOffset) << name;
        auto file = reader.internalFile(offset);
        ASSERT_TRUE(file) << name;
        EXPECT_EQ(file->reserved, file->used + 9) << name;
        expectedOffset = offset + file->reserved;
    }
    EXPECT_EQ(reader.directoryStart, expectedOffset);
    auto directoryFile = reader.internalFile(reader.directoryStart);
    ASSERT_TRUE(directoryFile);
    EXPECT_EQ(reader.directoryStart + directoryFile->reserved, reader.size());
    auto tree = HelpFileReader::leaf(directoryFile->content);
    ASSERT_TRUE(tree);
    EXPECT_EQ(tree->magic, 0x293B);
    EXPECT_EQ(tree->flags, 0x0402);
    EXPECT_EQ(tree->pageSize, 0x0400);
    EXPECT_EQ(tree->structure, "z4");
    EXPECT_EQ(tree->levels, 1);
    EXPECT_EQ(tree->totalEntries, 9u);

    // The topic blocks: whole blocks, a chain from a topic header at 12 to
    // the end marker, no record across a block boundary.
    auto topic = reader.named("|TOPIC");
    ASSERT_TRUE(topic);
    EXPECT_EQ(topic->content.size() % 4096, 0u);
    const auto records = reader.topicRecords();
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records.front().position, 12u);
    EXPECT_EQ(records.front().previous, 0xFFFFFFFFu);
    EXPECT_EQ(records.front().type, 0x02);
    EXPECT_EQ(records.back().next, 0xFFFFFFFFu);
    std::size_t headers = 0;
    const auto context = contextEntries(reader);
    for (std::size_t i = 0; i < records.size(); ++i) {
        const TopicRecord& record = records[i];
        EXPECT_LE(record.offset + record.blockSize, 4084u) << "record at " << record.position;
        EXPECT_EQ(record.dataLen2, record.blockSize - record.dataLen1);
        if (i > 0) {
            EXPECT_EQ(record.previous, records[i - 1].position);
        }
        if (record.type == 0x02) {
            ++headers;
            ASSERT_EQ(record.data1.size(), 28u);
            continue;
        }
        ASSERT_EQ(record.type, 0x20);
        // Jumps lead to topics the context table knows.
        for (std::size_t k = 0; k + 4 < record.data1.size(); ++k) {
            if (record.data1[k] != 0xE3) continue;
            DataReader jump(record.data1.data() + k + 1, 4);
            const std::int32_t hash = jump.readInt32();
            if (context.count(hash) == 0) continue;  // an 0xE3 byte inside another value
            EXPECT_TRUE(reader.topicTitleAt(context.at(hash)).has_value());
        }
    }
    EXPECT_EQ(headers, document.topics.size() + 1) << "one header per topic and the closing one";

    // Every context name leads to its own topic.
    ASSERT_EQ(context.size(), document.topics.size());
    for (const auto& source : document.topics) {
        const auto entry = context.find(contextHash(source.contextName));
        ASSERT_NE(entry, context.end()) << source.contextName;
        EXPECT_EQ(reader.topicTitleAt(entry->second), source.title);
    }
}

}  // namespace

TEST(HelpFile, ThreeTopicFileHasAllItsParts) {
    const HelpDocument document = parsed(kThreeTopics);
    const HelpFileReader reader = compiled(document);
    expectSoundFile(reader, document);
}

TEST(HelpFile, ContextMapOpensContentsAndControlPanel) {
    const HelpFileReader reader = compiled(parsed(kThreeTopics));
    const auto map = contextMap(reader);
    ASSERT_EQ(map.size(), 2u);
    ASSERT_EQ(map.count(1), 1u);
    ASSERT_EQ(map.count(10), 1u);
    EXPECT_EQ(map.at(1), 0u);
    EXPECT_EQ(reader.topicTitleAt(map.at(1)), "Contents");
    EXPECT_EQ(reader.topicTitleAt(map.at(10)), "The control panel");
}

TEST(HelpFile, SystemFileNamesTitleAndContentsTopic) {
    const HelpFileReader reader = compiled(parsed(kThreeTopics));
    auto system = reader.named("|SYSTEM");
    ASSERT_TRUE(system);
    DataReader data(system->content);
    EXPECT_EQ(data.readUint16(), 0x036C);
    EXPECT_EQ(data.readUint16(), 21);  // 3.1 file
    EXPECT_EQ(data.readUint16(), 1);
    data.readUint32();
    EXPECT_EQ(data.readUint16(), 0) << "anything else makes the viewer expect compressed blocks";
    std::map<std::uint16_t, std::vector<std::uint8_t>> records;
    while (data.ok() && !data.atEnd()) {
        const std::uint16_t type = data.readUint16();
        const std::uint16_t size = data.readUint16();
        records[type] = data.readBytes(size);
    }
    EXPECT_TRUE(data.ok());
    const std::string title("Tintfall Help", 14);
    EXPECT_EQ(records[1], std::vector<std::uint8_t>(title.begin(), title.end()));
    EXPECT_EQ(records[3], (std::vector<std::uint8_t>{0, 0, 0, 0}));
    // The main window's definition gives the help window the file's title.
    const auto& window = records[6];
    ASSERT_EQ(window.size(), 90u);
    EXPECT_EQ(window[0] & 0x07, 0x07) << "type, name and caption are given";
    EXPECT_STREQ(reinterpret_cast<const char*>(window.data() + 12), "main");
    EXPECT_STREQ(reinterpret_cast<const char*>(window.data() + 21), "Tintfall Help");
}

TEST(HelpFile, LongTitleIsCutToTheCaptionField) {
    HelpDocument document = parsed(kThreeTopics);
    document.title = std::string(80, 'T');
    const HelpFileReader reader = compiled(document);
    auto system = reader.named("|SYSTEM");
    ASSERT_TRUE(system);
    const std::string content(system->content.begin(), system->content.end());
    // The title record keeps it whole; the caption field holds 50 and a NUL.
    EXPECT_NE(content.find(std::string(80, 'T') + '\0'), std::string::npos);
    EXPECT_NE(content.find(std::string(1, '\0') + std::string(50, 'T') + '\0'), std::string::npos);
}

TEST(HelpFile, FontsAndTitleTableAreReadable) {
    const HelpDocument document = parsed(kThreeTopics);
    const HelpFileReader reader = compiled(document);
    auto font = reader.named("|FONT");
    ASSERT_TRUE(font);
    DataReader fonts(font->content);
    const std::uint16_t faces = fonts.readUint16();
    const std::uint16_t descriptors = fonts.readUint16();
    EXPECT_EQ(fonts.readUint16(), 8);
    const std::uint16_t descriptorsAt = fonts.readUint16();
    EXPECT_EQ(faces, 2);
    EXPECT_GE(descriptors, 2);
    EXPECT_EQ(descriptorsAt + descriptors * 11u, font->content.size());
    const auto firstFace = fonts.readBytes(descriptorsAt - 8u);
    EXPECT_STREQ(reinterpret_cast<const char*>(firstFace.data()), "Arial");

    auto titles = reader.named("|TTLBTREE");
    ASSERT_TRUE(titles);
    auto tree = HelpFileReader::leaf(titles->content);
    ASSERT_TRUE(tree);
    EXPECT_EQ(tree->structure, "Lz");
    EXPECT_EQ(tree->pageEntries, 3);
    DataReader entries(tree->entries);
    for (const auto& topic : document.topics) {
        const std::uint32_t offset = entries.readUint32();
        std::string title;
        for (char c = static_cast<char>(entries.readByte()); c != 0; c = static_cast<char>(entries.readByte())) title += c;
        EXPECT_EQ(title, topic.title);
        EXPECT_EQ(reader.topicTitleAt(offset), topic.title);
    }
}

TEST(HelpFile, KeywordIndexListsEveryTitleInCaseFreeOrder) {
    const HelpDocument document = parsed(
        "@file T\n@topic a\n# banana\n@topic b\n# Apple\n@topic c\n# cherry\n@topic d\n# Apricot\n");
    const HelpFileReader reader = compiled(document);
    auto tree = reader.named("|KWBTREE");
    auto data = reader.named("|KWDATA");
    auto map = reader.named("|KWMAP");
    ASSERT_TRUE(tree && data && map);
    auto leaf = HelpFileReader::leaf(tree->content);
    ASSERT_TRUE(leaf);
    EXPECT_EQ(leaf->structure, "F24");
    ASSERT_EQ(leaf->pageEntries, 4);
    DataReader entries(leaf->entries);
    std::vector<std::string> keywords;
    for (int i = 0; i < leaf->pageEntries; ++i) {
        std::string keyword;
        for (char c = static_cast<char>(entries.readByte()); c != 0; c = static_cast<char>(entries.readByte()))
            keyword += c;
        keywords.push_back(keyword);
        EXPECT_EQ(entries.readUint16(), 1) << keyword;
        const std::uint32_t at = entries.readUint32();
        ASSERT_LE(at + 4u, data->content.size());
        DataReader address(data->content.data() + at, 4);
        EXPECT_EQ(reader.topicTitleAt(address.readUint32()), keyword);
    }
    EXPECT_EQ(keywords, (std::vector<std::string>{"Apple", "Apricot", "banana", "cherry"}));
    EXPECT_EQ(map->content, (std::vector<std::uint8_t>{1, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(HelpFile, LongTextSpreadsOverSeveralBlocks) {
    const HelpDocument document = parsed(longSource());
    const HelpFileReader reader = compiled(document);
    expectSoundFile(reader, document);
    auto topic = reader.named("|TOPIC");
    ASSERT_TRUE(topic);
    const std::size_t blocks = topic->content.size() / 4096;
    EXPECT_GE(blocks, 3u);

    // Block headers: the first record of each block, the last record and the
    // last topic header before it.
    const auto records = reader.topicRecords();
    std::uint32_t lastRecord = 0xFFFFFFFF;
    std::uint32_t lastHeader = 0;
    std::size_t next = 0;
    for (std::uint32_t block = 0; block < blocks; ++block) {
        DataReader header(topic->content.data() + block * 4096u, 12);
        EXPECT_EQ(header.readUint32(), lastRecord);
        EXPECT_EQ(header.readUint32(), records[next].position);
        EXPECT_EQ(header.readUint32(), lastHeader);
        for (; next < records.size() && records[next].block == block; ++next) {
            lastRecord = records[next].position;
            if (records[next].type == 0x02) lastHeader = records[next].position;
        }
    }
    EXPECT_EQ(next, records.size());

    const auto map = contextMap(reader);
    EXPECT_GE(map.at(1), 0x8000u) << "topic 25 lies beyond the first block";
    EXPECT_EQ(reader.topicTitleAt(map.at(1)), "Topic 25");
    EXPECT_EQ(reader.topicTitleAt(map.at(10)), "Topic 39");
}

TEST(HelpFile, ParagraphThatFillsABlockExactlyStaysInIt) {
    // Measure a paragraph, then grow it to end exactly at the end of the
    // first block's payload; one character more moves it to the next block.
    const auto source = [](std::size_t length) {
        return "@file T\n@topic a\n# A\n" + std::string(length, 'x') + "\n";
    };
    const auto records = [&](std::size_t length) { return compiled(parsed(source(length))).topicRecords(); };
    const auto probe = records(200);
    ASSERT_EQ(probe.size(), 4u);  // header, title, paragraph, closing header
    const std::size_t fitting = 200 + (4084 - probe[2].offset - probe[2].blockSize);

    const auto full = records(fitting);
    ASSERT_EQ(full.size(), 4u);
    EXPECT_EQ(full[2].block, 0u);
    EXPECT_EQ(full[2].offset + full[2].blockSize, 4084u);
    EXPECT_EQ(full[3].block, 1u) << "the closing header starts the next block";
    EXPECT_EQ(full[3].position, 0x4000u + 12u);
    EXPECT_EQ(full[3].characters, 0x8000u);

    const auto over = records(fitting + 1);
    ASSERT_EQ(over.size(), 4u);
    EXPECT_EQ(over[2].block, 1u);
    EXPECT_EQ(over[2].offset, 0u);
}

TEST(HelpFile, RefusesWhatTheFormatCannotHold) {
    std::string huge = "@file T\n@topic a\n# A\n";
    huge += std::string(5000, 'x') + "\n";
    const CompiledHelp tooLong = compileHelp(parsed(huge));
    EXPECT_NE(tooLong.error.find("topic a (line 2)"), std::string::npos) << tooLong.error;
    EXPECT_TRUE(tooLong.bytes.empty());

    std::string many = "@file T\n";
    for (int t = 0; t < 300; ++t) many += "@topic t" + std::to_string(t) + "\n# T" + std::to_string(t) + "\n";
    EXPECT_NE(compileHelp(parsed(many)).error, "");

    EXPECT_NE(compileHelp(HelpDocument{}).error, "");
}

TEST(HelpFile, GameHelpSourceCompiles) {
    const std::string source = gameHelpSource();
    ASSERT_FALSE(source.empty());
    const HelpDocument document = parsed(source);
    const HelpFileReader reader = compiled(document);
    expectSoundFile(reader, document);
    auto system = reader.named("|SYSTEM");
    ASSERT_TRUE(system);
    const std::string systemText(system->content.begin(), system->content.end());
    EXPECT_NE(systemText.find(std::string("Tintfall Help\0", 14)), std::string::npos);
    const auto map = contextMap(reader);
    ASSERT_EQ(map.count(1), 1u);
    ASSERT_EQ(map.count(10), 1u);
    EXPECT_EQ(map.at(1), 0u) << "context 1 is the contents topic";
    EXPECT_EQ(reader.topicTitleAt(map.at(10)), "The control panel");
}
