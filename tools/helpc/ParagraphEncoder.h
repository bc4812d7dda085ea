#pragma once
// Turns one paragraph into the two data parts of a display-text record:
// the formatting part (paragraph settings and a list of commands) and the
// text part (one NUL-terminated text segment before each command).
#include <cstdint>
#include <string>
#include <vector>

#include "platform/DataWriter.h"
#include "tools/helpc/HelpDocument.h"

namespace tintfall::help {

struct EncodedParagraph {
    std::vector<std::uint8_t> formatting;
    std::vector<std::uint8_t> text;
};

// The viewer's variable-length numbers; the low bit of the first byte marks
// the long form. Values outside a form's range are clamped to the long one's.
void writeCompressedUnsignedShort(DataWriter& writer, std::uint16_t value);
void writeCompressedSignedShort(DataWriter& writer, std::int16_t value);
void writeCompressedSignedLong(DataWriter& writer, std::int32_t value);

// The large heading at the top of a topic.
EncodedParagraph encodeTitle(const std::string& title);
// A paragraph of the source; each jump carries its target's context hash.
EncodedParagraph encodeParagraph(const HelpParagraph& paragraph);

}  // namespace tintfall::help
