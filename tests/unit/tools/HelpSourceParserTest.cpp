#include <gtest/gtest.h>

#include "tools/helpc/HelpSourceParser.h"

using namespace tintfall::help;

namespace {

const char* const kSource =
    "; a comment\n"
    "@file Tintfall Help\n"
    "@copyright Ours\n"
    "\n"
    "@topic contents 1\n"
    "# Tintfall Help\n"
    "First line\n"
    "  second line with **bold\n"
    "still bold** and [a jump](panel).\n"
    "\n"
    "## A heading\n"
    "- an item\n"
    "  continued\n"
    "- another \\*item\\* \\[x]\n"
    "| Level  Speed\n"
    "|   1     1000\n"
    "@topic panel 10\n"
    "# The panel\n";

std::string spansText(const std::vector<HelpSpan>& spans) {
    std::string text;
    for (const auto& span : spans) text += span.text;
    return text;
}

// The error line and message of a source that must fail.
std::pair<int, std::string> failure(const std::string& source) {
    ParseResult result = parseHelpSource(source);
    EXPECT_FALSE(result.document) << source;
    return {result.errorLine, result.error};
}

const std::string kHead = "@file T\n@topic a 1\n# A\n";

}  // namespace

TEST(HelpSourceParser, ReadsTopicsTitlesAndNumbers) {
    ParseResult result = parseHelpSource(kSource);
    ASSERT_TRUE(result.document) << result.errorLine << ": " << result.error;
    const HelpDocument& document = *result.document;
    EXPECT_EQ(document.title, "Tintfall Help");
    EXPECT_EQ(document.copyright, "Ours");
    ASSERT_EQ(document.topics.size(), 2u);
    EXPECT_EQ(document.topics[0].contextName, "contents");
    EXPECT_EQ(document.topics[0].mapNumber, 1);
    EXPECT_EQ(document.topics[0].title, "Tintfall Help");
    EXPECT_EQ(document.topics[1].contextName, "panel");
    EXPECT_EQ(document.topics[1].mapNumber, 10);
    EXPECT_EQ(document.topics[1].title, "The panel");
    EXPECT_TRUE(document.topics[1].paragraphs.empty());
}

TEST(HelpSourceParser, JoinsLinesAndSplitsSpans) {
    const HelpDocument document = *parseHelpSource(kSource).document;
    const auto& paragraphs = document.topics[0].paragraphs;
    ASSERT_EQ(paragraphs.size(), 5u);

    const auto& body = paragraphs[0];
    EXPECT_EQ(body.kind, ParagraphKind::Body);
    EXPECT_EQ(body.line, 7);
    ASSERT_EQ(body.lines.size(), 1u);
    const auto& spans = body.lines[0];
    EXPECT_EQ(spansText(spans), "First line second line with bold still bold and a jump.");
    ASSERT_EQ(spans.size(), 5u);
    EXPECT_FALSE(spans[0].bold);
    EXPECT_EQ(spans[1].text, "bold still bold");
    EXPECT_TRUE(spans[1].bold);
    EXPECT_EQ(spans[3].text, "a jump");
    EXPECT_EQ(spans[3].jumpTarget, "panel");
    EXPECT_EQ(spans[3].line, 9);

    EXPECT_EQ(paragraphs[1].kind, ParagraphKind::Heading);
    EXPECT_EQ(spansText(paragraphs[1].lines[0]), "A heading");
    EXPECT_EQ(paragraphs[2].kind, ParagraphKind::Bullet);
    EXPECT_EQ(spansText(paragraphs[2].lines[0]), "an item continued");
    EXPECT_EQ(spansText(paragraphs[3].lines[0]), "another *item* [x]");
}

TEST(HelpSourceParser, FixedLinesKeepTheirBlanks) {
    const HelpDocument document = *parseHelpSource(kSource).document;
    const auto& fixed = document.topics[0].paragraphs[4];
    EXPECT_EQ(fixed.kind, ParagraphKind::Fixed);
    ASSERT_EQ(fixed.lines.size(), 2u);
    EXPECT_EQ(spansText(fixed.lines[0]), "Level  Speed");
    EXPECT_EQ(spansText(fixed.lines[1]), "  1     1000");
}

TEST(HelpSourceParser, ConvertsTextToTheWindowsCodePage) {
    const auto result = parseHelpSource("@file T\n@topic a\n# It\xE2\x80\x99s\nCaf\xC3\xA9\n");
    ASSERT_TRUE(result.document);
    EXPECT_EQ(result.document->topics[0].title, "It\x92s");
    EXPECT_EQ(spansText(result.document->topics[0].paragraphs[0].lines[0]), "Caf\xE9");
}

TEST(HelpSourceParser, RefusesJumpsToUnknownTopics) {
    EXPECT_EQ(failure(kHead + "text\nsee [nowhere](missing)\n"), std::make_pair(5, std::string("jump to unknown topic missing")));
    // Names are matched exactly even though the viewer's hash ignores case.
    EXPECT_EQ(failure(kHead + "see [A](A)\n").first, 4);
    EXPECT_EQ(failure(kHead + "see [x](bad name)\n").first, 4);
    EXPECT_EQ(failure(kHead + "see [](a)\n").first, 4);
    EXPECT_EQ(failure(kHead + "see [x(a)\n").first, 4);
}

TEST(HelpSourceParser, ReportsStructureErrorsAtTheirLine) {
    EXPECT_EQ(failure("@file T\ntext first\n").first, 2);
    EXPECT_EQ(failure("@file T\n@topic a\nno title yet\n").first, 3);
    EXPECT_EQ(failure("@file T\n@topic a\n@topic b\n# B\n").first, 2);  // topic a has no title
    EXPECT_EQ(failure(kHead + "# Second title\n").first, 4);
    EXPECT_EQ(failure(kHead + "text\n# Late title\n").first, 5);
    EXPECT_EQ(failure(kHead + "@file again\n").first, 4);
    EXPECT_EQ(failure(kHead + "@picture x\n").first, 4);
    EXPECT_EQ(failure(kHead + "@topic b 10 11\n# B\n").first, 4);
    EXPECT_EQ(failure("@topic a\n# A\n").first, 0);  // no @file title at all
    EXPECT_EQ(failure("@file T\n").first, 0);        // no topics
}

TEST(HelpSourceParser, RefusesBadNumbersAndClashingNames) {
    EXPECT_EQ(failure(kHead + "@topic b 2147483648\n# B\n").first, 4);
    EXPECT_EQ(failure(kHead + "@topic b -1\n# B\n").first, 4);
    EXPECT_TRUE(parseHelpSource(kHead + "@topic b 2147483647\n# B\n").document);
    EXPECT_EQ(failure(kHead + "@topic b 1\n# B\n").first, 4);
    EXPECT_EQ(failure(kHead + "\n@topic A\n# B\n").first, 5);  // the viewer could not tell them apart
    EXPECT_EQ(failure(kHead + "@topic b!\n# B\n").first, 4);
    // Titles are index keywords and must differ, whatever their case.
    EXPECT_EQ(failure(kHead + "@topic b\n# a\n").first, 4);
}

TEST(HelpSourceParser, ReportsUnclosedBoldAndBadEscapes) {
    EXPECT_EQ(failure(kHead + "plain\nnow **bold\nstill\n\n").first, 5);
    EXPECT_EQ(failure(kHead + "**bold\n## heading\n").first, 4);
    EXPECT_EQ(failure(kHead + "ends with \\\n").first, 4);
    EXPECT_EQ(failure(kHead + "bad \xCE\xA9 letter\n").first, 4);
    EXPECT_EQ(failure(kHead + "bad \xFF byte\n").first, 4);
}
