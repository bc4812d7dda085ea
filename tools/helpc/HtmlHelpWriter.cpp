#include "tools/helpc/HtmlHelpWriter.h"

namespace tintfall::help {

namespace {

std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

std::string spansHtml(const std::vector<HelpSpan>& spans) {
    std::string out;
    for (const HelpSpan& span : spans) {
        std::string text = escaped(span.text);
        if (!span.jumpTarget.empty()) text = "<a href=\"" + htmlPageName(span.jumpTarget) + "\">" + text + "</a>";
        if (span.bold) text = "<b>" + text + "</b>";
        out += text;
    }
    return out;
}

std::string paragraphHtml(const HelpParagraph& paragraph) {
    switch (paragraph.kind) {
        case ParagraphKind::Heading: return "<h2>" + spansHtml(paragraph.lines.front()) + "</h2>\n";
        case ParagraphKind::Bullet: return "<li>" + spansHtml(paragraph.lines.front()) + "</li>\n";
        case ParagraphKind::Fixed: {
            std::string out = "<pre>";
            for (std::size_t i = 0; i < paragraph.lines.size(); ++i) {
                if (i > 0) out += '\n';
                out += spansHtml(paragraph.lines[i]);
            }
            return out + "</pre>\n";
        }
        case ParagraphKind::Body: break;
    }
    return "<p>" + spansHtml(paragraph.lines.front()) + "</p>\n";
}

std::string pageHtml(const HelpDocument& document, const HelpTopic& topic, bool isContents) {
    std::string out =
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"windows-1252\">\n<title>" +
        escaped(topic.title) + " - " + escaped(document.title) +
        "</title>\n<style>\nbody { font-family: sans-serif; max-width: 46em; margin: 1em auto; padding: 0 1em; "
        "line-height: 1.4; }\npre { background: #f4f4f4; padding: 0.5em; }\nnav { font-size: 90%; }\n"
        "</style>\n</head>\n<body>\n";
    if (!isContents) {
        out += "<nav><a href=\"" + htmlPageName(document.topics.front().contextName) + "\">" +
               escaped(document.topics.front().title) + "</a></nav>\n";
    }
    out += "<h1>" + escaped(topic.title) + "</h1>\n";
    bool inList = false;
    for (const HelpParagraph& paragraph : topic.paragraphs) {
        const bool bullet = paragraph.kind == ParagraphKind::Bullet;
        if (bullet && !inList) out += "<ul>\n";
        if (!bullet && inList) out += "</ul>\n";
        inList = bullet;
        out += paragraphHtml(paragraph);
    }
    if (inList) out += "</ul>\n";
    if (!document.copyright.empty()) out += "<footer><small>" + escaped(document.copyright) + "</small></footer>\n";
    return out + "</body>\n</html>\n";
}

}  // namespace

std::string htmlPageName(const std::string& contextName) { return contextName + ".html"; }

std::vector<HtmlPage> writeHtmlHelp(const HelpDocument& document) {
    std::vector<HtmlPage> pages;
    for (std::size_t i = 0; i < document.topics.size(); ++i) {
        const HelpTopic& topic = document.topics[i];
        const std::string html = pageHtml(document, topic, i == 0);
        pages.push_back(HtmlPage{htmlPageName(topic.contextName), std::vector<std::uint8_t>(html.begin(), html.end())});
    }
    return pages;
}

}  // namespace tintfall::help
