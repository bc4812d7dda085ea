#pragma once
// Reads the help source: a plain UTF-8 text with a few line markers.
//
//   ; a comment line
//   @file Tintfall Help        title of the help file (window caption)
//   @copyright text            optional
//   @topic name [number]       starts a topic; the number opens it from a program
//   # Title                    the topic's title, before its paragraphs
//   ## Heading                 a bold heading
//   - item                     a list item (following lines continue it)
//   | fixed line               lines kept as written, in a fixed-pitch font
//   any other text             a paragraph; lines join until a blank line
//
// Inside text, **bold** switches bold on and off, [label](name) jumps to the
// topic with that context name, and a backslash takes the next character
// literally. The first topic is the contents topic.
#include <optional>
#include <string>

#include "tools/helpc/HelpDocument.h"

namespace tintfall::help {

struct ParseResult {
    std::optional<HelpDocument> document;
    // On failure: the 1-based source line (0 when no line is to blame).
    int errorLine = 0;
    std::string error;
};

ParseResult parseHelpSource(const std::string& source);

}  // namespace tintfall::help
