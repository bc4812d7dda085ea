#include <gtest/gtest.h>

#include <map>

#include "shell/HelpChoice.h"
#include "tests/unit/tools/GameHelpSource.h"
#include "tools/helpc/HelpSourceParser.h"
#include "tools/helpc/HtmlHelpWriter.h"

using namespace tintfall;
using namespace tintfall::help;

namespace {

std::map<std::string, std::string> pagesOf(const std::string& source) {
    ParseResult result = parseHelpSource(source);
    EXPECT_TRUE(result.document) << result.errorLine << ": " << result.error;
    std::map<std::string, std::string> pages;
    if (!result.document) return pages;
    for (const HtmlPage& page : writeHtmlHelp(*result.document))
        pages[page.fileName] = std::string(page.bytes.begin(), page.bytes.end());
    return pages;
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

TEST(HtmlHelp, OnePagePerTopicWithTheTopicsTextLinksAndLists) {
    const auto pages = pagesOf(
        "@file Tintfall Help\n"
        "@copyright Tintfall\n"
        "@topic contents 1\n"
        "# Tintfall Help\n"
        "Read about [the <panel> & keys](control_panel), **in bold**.\n"
        "## Playing\n"
        "- first\n"
        "- second\n"
        "\n"
        "After the list.\n"
        "@topic control_panel 10\n"
        "# The control panel\n"
        "| Waves   2   3\n"
        "| Seconds 3   4\n"
        "Caf\xC3\xA9.\n");
    ASSERT_EQ(pages.size(), 2u);
    const std::string& contents = pages.at("contents.html");
    EXPECT_TRUE(contains(contents, "<meta charset=\"windows-1252\">"));
    EXPECT_TRUE(contains(contents, "<title>Tintfall Help - Tintfall Help</title>"));
    EXPECT_TRUE(contains(contents, "<h1>Tintfall Help</h1>"));
    EXPECT_TRUE(contains(contents, "<a href=\"control_panel.html\">the &lt;panel&gt; &amp; keys</a>"));
    EXPECT_TRUE(contains(contents, "<b>in bold</b>"));
    EXPECT_TRUE(contains(contents, "<h2>Playing</h2>\n<ul>\n<li>first</li>\n<li>second</li>\n</ul>\n<p>After the list.</p>"));
    EXPECT_FALSE(contains(contents, "<nav>")) << "the contents page needs no way back to itself";

    const std::string& panel = pages.at("control_panel.html");
    EXPECT_TRUE(contains(panel, "<nav><a href=\"contents.html\">Tintfall Help</a></nav>"));
    EXPECT_TRUE(contains(panel, "<pre>Waves   2   3\nSeconds 3   4</pre>"));
    EXPECT_TRUE(contains(panel, "<p>Caf\xE9.</p>")) << "texts stay in the code page the page declares";
    EXPECT_TRUE(contains(panel, "<footer><small>Tintfall</small></footer>"));
}

// The pages the program opens for its help contexts are pages of the game's
// help, of the topics the WinHelp viewer shows at the same numbers.
TEST(HtmlHelp, TheProgramsHelpContextsHavePagesOfTheirTopics) {
    const std::string source = gameHelpSource();
    ASSERT_FALSE(source.empty());
    ParseResult result = parseHelpSource(source);
    ASSERT_TRUE(result.document);
    std::map<int, std::string> pageOfNumber;
    for (const HelpTopic& topic : result.document->topics) {
        if (topic.mapNumber) pageOfNumber[*topic.mapNumber] = "help\\" + htmlPageName(topic.contextName);
    }
    for (int context : {kHelpIndexContext, 10}) {
        ASSERT_EQ(pageOfNumber.count(context), 1u) << context;
        EXPECT_EQ(helpPageFor(context), pageOfNumber.at(context));
    }
    EXPECT_EQ(helpPageFor(kHelpIndexContext), "help\\" + htmlPageName(result.document->topics.front().contextName));
    EXPECT_EQ(helpPageFor(777), helpPageFor(kHelpIndexContext)) << "an unknown context opens the contents";
}
