#include "tools/helpc/TopicFile.h"

#include "platform/DataWriter.h"
#include "tools/helpc/ParagraphEncoder.h"

namespace tintfall::help {

namespace {

constexpr std::uint8_t kTopicHeader = 0x02;
constexpr std::uint8_t kDisplayText = 0x20;
constexpr std::uint32_t kNone = 0xFFFFFFFF;
constexpr std::uint32_t kPayloadSize = kTopicBlockSize - kTopicBlockHeaderSize;
constexpr std::uint32_t kTopicHeaderDataSize = 28;
// Record addresses step by this much per block, character addresses by half.
constexpr std::uint32_t kPositionsPerBlock = 0x4000;
constexpr std::uint32_t kCharactersPerBlock = 0x8000;

struct Record {
    std::uint8_t type = kDisplayText;
    std::size_t topic = 0;
    std::vector<std::uint8_t> data1;  // filled later for topic headers
    std::vector<std::uint8_t> data2;
    std::uint32_t size = 0;
    std::uint32_t block = 0;
    std::uint32_t offset = 0;    // inside the block's payload
    std::uint32_t position = 0;  // the record's address
    std::uint32_t characters = 0;

    std::uint32_t data1Size() const {
        return type == kTopicHeader ? kTopicHeaderDataSize : static_cast<std::uint32_t>(data1.size());
    }
};

Record header(std::size_t topic, const std::string& title) {
    Record record;
    record.type = kTopicHeader;
    record.topic = topic;
    record.data2.assign(title.begin(), title.end());
    return record;
}

Record paragraph(std::size_t topic, EncodedParagraph encoded) {
    Record record;
    record.topic = topic;
    record.data1 = std::move(encoded.formatting);
    record.data2 = std::move(encoded.text);
    return record;
}

std::vector<Record> collectRecords(const HelpDocument& document) {
    std::vector<Record> records;
    for (std::size_t t = 0; t < document.topics.size(); ++t) {
        const HelpTopic& topic = document.topics[t];
        records.push_back(header(t, topic.title));
        records.push_back(paragraph(t, encodeTitle(topic.title)));
        for (const auto& source : topic.paragraphs) records.push_back(paragraph(t, encodeParagraph(source)));
    }
    // A closing empty topic header, as the reference compiler writes; some
    // readers stop before the record whose successor is none.
    records.push_back(header(document.topics.size(), ""));
    return records;
}

// Places the records; a record never straddles two blocks, so every block
// can be read on its own.
std::string placeRecords(std::vector<Record>& records, const HelpDocument& document) {
    std::uint32_t block = 0;
    std::uint32_t offset = 0;
    std::uint32_t characters = 0;
    for (auto& record : records) {
        record.size = kTopicLinkSize + record.data1Size() + static_cast<std::uint32_t>(record.data2.size());
        if (record.size > kPayloadSize) {
            const HelpTopic& topic = document.topics[record.topic];
            return "topic " + topic.contextName + " (line " + std::to_string(topic.line) +
                   ") has a paragraph longer than one topic block; split it";
        }
        if (offset + record.size > kPayloadSize) {
            ++block;
            offset = 0;
            characters = 0;
        }
        if (block >= 0x10000) return "the help text is too long";
        record.block = block;
        record.offset = offset;
        record.position = block * kPositionsPerBlock + kTopicBlockHeaderSize + offset;
        record.characters = block * kCharactersPerBlock + characters;
        offset += record.size;
        if (record.type == kDisplayText) characters += static_cast<std::uint32_t>(record.data2.size());
    }
    return {};
}

void fillTopicHeaders(std::vector<Record>& records, std::size_t topicCount) {
    for (std::size_t i = 0; i < records.size(); ++i) {
        Record& record = records[i];
        if (record.type != kTopicHeader) continue;
        DataWriter writer;
        if (record.topic == topicCount) {
            writer.writeUint32(0);
            for (int k = 0; k < 2; ++k) writer.writeUint32(kNone);
            writer.writeUint32(static_cast<std::uint32_t>(topicCount));
            for (int k = 0; k < 3; ++k) writer.writeUint32(kNone);
        } else {
            std::uint32_t topicSize = 0;
            std::uint32_t nextTopic = kNone;
            for (std::size_t j = i; j < records.size(); ++j) {
                if (j > i && records[j].type == kTopicHeader) {
                    nextTopic = records[j].position;
                    break;
                }
                topicSize += records[j].size;
            }
            writer.writeUint32(topicSize);
            writer.writeUint32(kNone);  // no browse sequence
            writer.writeUint32(kNone);
            writer.writeUint32(static_cast<std::uint32_t>(record.topic));
            writer.writeUint32(kNone);                    // no non-scrolling region
            writer.writeUint32(records[i + 1].position);  // the title paragraph scrolls
            writer.writeUint32(nextTopic);
        }
        record.data1 = writer.bytes();
    }
}

std::vector<std::uint8_t> writeBlocks(const std::vector<Record>& records) {
    DataWriter writer;
    const std::uint32_t blockCount = records.back().block + 1;
    std::size_t next = 0;
    std::uint32_t lastLink = kNone;
    std::uint32_t lastHeader = 0;
    for (std::uint32_t block = 0; block < blockCount; ++block) {
        const std::size_t blockStart = writer.bytes().size();
        writer.writeUint32(lastLink);
        writer.writeUint32(records[next].position);
        writer.writeUint32(lastHeader);
        for (; next < records.size() && records[next].block == block; ++next) {
            const Record& record = records[next];
            writer.writeUint32(record.size);
            writer.writeUint32(static_cast<std::uint32_t>(record.data2.size()));
            writer.writeUint32(next == 0 ? kNone : records[next - 1].position);
            writer.writeUint32(next + 1 == records.size() ? kNone : records[next + 1].position);
            writer.writeUint32(kTopicLinkSize + static_cast<std::uint32_t>(record.data1.size()));
            writer.writeByte(record.type);
            writer.writeBytes(record.data1);
            writer.writeBytes(record.data2);
            lastLink = record.position;
            if (record.type == kTopicHeader) lastHeader = record.position;
        }
        // The viewer copies every block whole, the last one included.
        writer.writeBytes(std::vector<std::uint8_t>(blockStart + kTopicBlockSize - writer.bytes().size(), 0));
    }
    return writer.bytes();
}

}  // namespace

TopicFile layOutTopics(const HelpDocument& document) {
    TopicFile file;
    std::vector<Record> records = collectRecords(document);
    file.error = placeRecords(records, document);
    if (!file.error.empty()) return file;
    fillTopicHeaders(records, document.topics.size());
    for (const auto& record : records) {
        if (record.type == kTopicHeader && record.topic < document.topics.size())
            file.topicOffsets.push_back(record.characters);
    }
    file.content = writeBlocks(records);
    return file;
}

}  // namespace tintfall::help
