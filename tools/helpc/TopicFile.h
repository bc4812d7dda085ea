#pragma once
// Lays out the |TOPIC internal file: for each topic a topic-header record
// and its display-text records, chained in 4096-byte blocks, plus the
// addresses by which the other tables refer to the topics.
#include <cstdint>
#include <string>
#include <vector>

#include "tools/helpc/HelpDocument.h"

namespace tintfall::help {

constexpr std::uint32_t kTopicBlockSize = 4096;
constexpr std::uint32_t kTopicBlockHeaderSize = 12;
constexpr std::uint32_t kTopicLinkSize = 21;

struct TopicFile {
    std::vector<std::uint8_t> content;
    // Character address of each topic, in document order: the viewer finds a
    // topic by this value (block * 0x8000 + characters before it in the block).
    std::vector<std::uint32_t> topicOffsets;
    // Empty on success; otherwise why the layout failed.
    std::string error;
};

TopicFile layOutTopics(const HelpDocument& document);

}  // namespace tintfall::help
