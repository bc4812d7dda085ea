#include "tools/helpc/HelpSourceParser.h"

#include <cctype>
#include <map>
#include <sstream>

#include "tools/helpc/ContextHash.h"
#include "tools/helpc/Windows1252.h"

namespace tintfall::help {

namespace {

struct ParseError {
    int line;
    std::string message;
};

std::string trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// Appends text to the spans, merging it into the last span when both are
// plain text of the same weight.
void appendText(std::vector<HelpSpan>& spans, const std::string& text, bool bold, int line) {
    if (text.empty()) return;
    if (!spans.empty() && spans.back().jumpTarget.empty() && spans.back().bold == bold) {
        spans.back().text += text;
        return;
    }
    spans.push_back(HelpSpan{text, bold, {}, line});
}

// One line of inline text. `bold` carries the weight across the lines of one
// paragraph.
void parseInline(const std::string& text, int line, bool& bold, std::vector<HelpSpan>& spans) {
    std::string pending;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\\') {
            if (i + 1 >= text.size()) throw ParseError{line, "a backslash at the end of a line escapes nothing"};
            pending += text[i + 1];
            i += 2;
        } else if (c == '*' && i + 1 < text.size() && text[i + 1] == '*') {
            appendText(spans, pending, bold, line);
            pending.clear();
            bold = !bold;
            i += 2;
        } else if (c == '[') {
            const auto close = text.find("](", i);
            const auto end = close == std::string::npos ? close : text.find(')', close + 2);
            if (end == std::string::npos) throw ParseError{line, "a jump must be written [label](topic)"};
            const std::string label = text.substr(i + 1, close - i - 1);
            const std::string target = text.substr(close + 2, end - close - 2);
            if (label.empty()) throw ParseError{line, "a jump needs a label"};
            if (!isValidContextName(target))
                throw ParseError{line, "'" + target + "' is not a context name (letters, digits, '.' and '_')"};
            appendText(spans, pending, bold, line);
            pending.clear();
            spans.push_back(HelpSpan{label, bold, target, line});
            i = end + 1;
        } else {
            pending += c;
            ++i;
        }
    }
    appendText(spans, pending, bold, line);
}

class Parser {
public:
    HelpDocument run(const std::string& source) {
        std::istringstream input(source);
        std::string raw;
        int lineNumber = 0;
        while (std::getline(input, raw)) {
            ++lineNumber;
            if (!raw.empty() && raw.back() == '\r') raw.pop_back();
            auto converted = utf8ToWindows1252(raw);
            if (!converted) throw ParseError{lineNumber, "not UTF-8 text, or a character outside Windows-1252"};
            handleLine(*converted, lineNumber);
        }
        endParagraph();
        finishTopic();
        check();
        return document_;
    }

private:
    void handleLine(const std::string& line, int number) {
        if (startsWith(line, ";")) return;
        const std::string text = trim(line);
        if (text.empty()) {
            endParagraph();
            return;
        }
        if (startsWith(line, "@")) {
            endParagraph();
            directive(text, number);
            return;
        }
        if (startsWith(line, "##")) {
            endParagraph();
            startParagraph(ParagraphKind::Heading, number);
            addText(trim(line.substr(2)), number);
            endParagraph();
            return;
        }
        if (startsWith(line, "#")) {
            endParagraph();
            setTitle(trim(line.substr(1)), number);
            return;
        }
        if (startsWith(line, "|")) {
            if (!paragraph_ || paragraph_->kind != ParagraphKind::Fixed) {
                endParagraph();
                startParagraph(ParagraphKind::Fixed, number);
            } else {
                paragraph_->lines.emplace_back();
            }
            // "| " introduces the line; the blanks after it are kept.
            std::string rest = line.substr(1);
            if (startsWith(rest, " ")) rest.erase(0, 1);
            addText(rest, number);
            return;
        }
        if (startsWith(line, "- ")) {
            endParagraph();
            startParagraph(ParagraphKind::Bullet, number);
            addText(trim(line.substr(2)), number);
            return;
        }
        if (paragraph_ && paragraph_->kind == ParagraphKind::Fixed) endParagraph();
        if (!paragraph_) {
            startParagraph(ParagraphKind::Body, number);
        } else {
            addText(" ", number);
        }
        addText(text, number);
    }

    void directive(const std::string& text, int number) {
        std::istringstream words(text);
        std::string name;
        words >> name;
        std::string rest;
        std::getline(words, rest);
        rest = trim(rest);
        if (name == "@file" || name == "@copyright") {
            if (topic_ || !document_.topics.empty())
                throw ParseError{number, name + " belongs before the first topic"};
            if (rest.empty()) throw ParseError{number, name + " needs a text"};
            (name == "@file" ? document_.title : document_.copyright) = rest;
        } else if (name == "@topic") {
            finishTopic();
            std::istringstream args(rest);
            HelpTopic topic;
            topic.line = number;
            args >> topic.contextName;
            if (!isValidContextName(topic.contextName))
                throw ParseError{number, "@topic needs a context name of letters, digits, '.' and '_'"};
            std::string mapText;
            if (args >> mapText) {
                topic.mapNumber = parseMapNumber(mapText, number);
                std::string extra;
                if (args >> extra) throw ParseError{number, "unexpected '" + extra + "' after the topic number"};
            }
            topic_ = topic;
        } else {
            throw ParseError{number, "unknown directive " + name};
        }
    }

    static std::int32_t parseMapNumber(const std::string& text, int number) {
        if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string::npos)
            throw ParseError{number, "a topic number is a whole number from 0 to 2147483647"};
        const long long value = std::stoll(text);
        if (value > 2147483647LL) throw ParseError{number, "a topic number is a whole number from 0 to 2147483647"};
        return static_cast<std::int32_t>(value);
    }

    void setTitle(const std::string& title, int number) {
        if (!topic_) throw ParseError{number, "a title outside any topic"};
        if (!topic_->title.empty()) throw ParseError{number, "the topic already has a title"};
        if (!topic_->paragraphs.empty()) throw ParseError{number, "the title comes before the topic's paragraphs"};
        if (title.empty()) throw ParseError{number, "an empty title"};
        topic_->title = title;
    }

    void startParagraph(ParagraphKind kind, int number) {
        if (!topic_) throw ParseError{number, "text outside any topic (start one with @topic)"};
        if (topic_->title.empty()) throw ParseError{number, "the topic needs a # title before its text"};
        paragraph_ = HelpParagraph{kind, {{}}, number};
        bold_ = false;
    }

    void addText(const std::string& text, int number) {
        const bool wasBold = bold_;
        parseInline(text, number, bold_, paragraph_->lines.back());
        if (bold_ && !wasBold) boldLine_ = number;
    }

    void endParagraph() {
        if (!paragraph_) return;
        if (bold_) throw ParseError{boldLine_, "** opened here is not closed in the paragraph"};
        topic_->paragraphs.push_back(std::move(*paragraph_));
        paragraph_.reset();
    }

    void finishTopic() {
        if (!topic_) return;
        if (topic_->title.empty()) throw ParseError{topic_->line, "topic " + topic_->contextName + " has no # title"};
        document_.topics.push_back(std::move(*topic_));
        topic_.reset();
    }

    void check() const {
        if (document_.title.empty()) throw ParseError{0, "the source has no @file title"};
        if (document_.topics.empty()) throw ParseError{0, "the source has no topics"};
        std::map<std::int32_t, const HelpTopic*> byHash;
        std::map<std::int32_t, const HelpTopic*> byNumber;
        // Titles are the keywords of the index, which holds each once.
        std::map<std::string, const HelpTopic*> byTitle;
        for (const auto& topic : document_.topics) {
            std::string title = topic.title;
            for (char& c : title) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            auto [same, unique] = byTitle.emplace(title, &topic);
            if (!unique)
                throw ParseError{topic.line, "title \"" + topic.title + "\" is already used by " +
                                                 same->second->contextName};
            const std::int32_t hash = contextHash(topic.contextName);
            if (hash == 0) throw ParseError{topic.line, "context name " + topic.contextName + " hashes to 0"};
            auto [known, added] = byHash.emplace(hash, &topic);
            if (!added)
                throw ParseError{topic.line, "context name " + topic.contextName + " clashes with " +
                                                 known->second->contextName + " (line " +
                                                 std::to_string(known->second->line) + ")"};
            if (topic.mapNumber) {
                auto [other, fresh] = byNumber.emplace(*topic.mapNumber, &topic);
                if (!fresh)
                    throw ParseError{topic.line, "topic number " + std::to_string(*topic.mapNumber) +
                                                     " is already used by " + other->second->contextName};
            }
        }
        for (const auto& topic : document_.topics) {
            for (const auto& paragraph : topic.paragraphs) {
                for (const auto& line : paragraph.lines) {
                    for (const auto& span : line) {
                        if (span.jumpTarget.empty()) continue;
                        auto target = byHash.find(contextHash(span.jumpTarget));
                        if (target == byHash.end() || target->second->contextName != span.jumpTarget)
                            throw ParseError{span.line, "jump to unknown topic " + span.jumpTarget};
                    }
                }
            }
        }
    }

    HelpDocument document_;
    std::optional<HelpTopic> topic_;
    std::optional<HelpParagraph> paragraph_;
    bool bold_ = false;
    int boldLine_ = 0;
};

}  // namespace

ParseResult parseHelpSource(const std::string& source) {
    ParseResult result;
    try {
        result.document = Parser().run(source);
    } catch (const ParseError& error) {
        result.errorLine = error.line;
        result.error = error.message;
    }
    return result;
}

}  // namespace tintfall::help
