#pragma once
// Assembles a whole help file from a parsed document: the 16-byte file
// header, the internal files (|CONTEXT, |CTXOMAP, |FONT, the keyword index,
// |SYSTEM, |TOPIC, |TTLBTREE) and the internal directory that locates them. Text is stored
// uncompressed in 4096-byte topic blocks.
#include <cstdint>
#include <string>
#include <vector>

#include "tools/helpc/HelpDocument.h"

namespace tintfall::help {

struct CompiledHelp {
    std::vector<std::uint8_t> bytes;
    // Empty on success; otherwise why the file could not be built.
    std::string error;
};

CompiledHelp compileHelp(const HelpDocument& document);

}  // namespace tintfall::help
