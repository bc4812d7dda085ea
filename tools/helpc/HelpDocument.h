#pragma once
// The help text as the compiler sees it: topics of paragraphs, each
// paragraph a run of spans. Texts are already in the Windows-1252 code page,
// the one the help viewer draws with.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tintfall::help {

struct HelpSpan {
    std::string text;
    bool bold = false;
    // Context name of the topic a click on the span opens; empty for plain text.
    std::string jumpTarget;
    int line = 0;
};

enum class ParagraphKind {
    Body,      // ordinary text, wrapped
    Heading,   // a bold section heading inside a topic
    Bullet,    // one item of a list, indented behind a bullet
    Fixed,     // lines kept as written, in a fixed-pitch font (tables)
};

struct HelpParagraph {
    ParagraphKind kind = ParagraphKind::Body;
    // For Fixed paragraphs each entry is one line; otherwise a single entry.
    std::vector<std::vector<HelpSpan>> lines;
    int line = 0;
};

struct HelpTopic {
    std::string contextName;
    // Number a program passes to open the topic directly (HELP_CONTEXT).
    std::optional<std::int32_t> mapNumber;
    std::string title;
    std::vector<HelpParagraph> paragraphs;
    int line = 0;
};

struct HelpDocument {
    std::string title;
    std::string copyright;
    // The first topic is the contents topic, shown when the file is opened.
    std::vector<HelpTopic> topics;
};

}  // namespace tintfall::help
