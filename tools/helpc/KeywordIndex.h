#pragma once
// The keyword index behind the viewer's Index button: every topic title is
// a keyword leading to its topic. Three internal files: |KWBTREE (keyword,
// count, place of its topic addresses in |KWDATA), |KWDATA (the topic
// addresses) and |KWMAP (where each leaf page of the tree starts).
#include <cstdint>
#include <optional>
#include <vector>

#include "tools/helpc/HelpDocument.h"

namespace tintfall::help {

struct KeywordIndex {
    std::vector<std::uint8_t> tree;
    std::vector<std::uint8_t> data;
    std::vector<std::uint8_t> map;
};

// Nothing when the keywords do not fit one tree page.
std::optional<KeywordIndex> keywordIndex(const HelpDocument& document, const std::vector<std::uint32_t>& topicOffsets);

}  // namespace tintfall::help
