#pragma once
// The same help topics as web pages, for systems without the WinHelp viewer:
// one page per topic named after its context name, the contents topic first.
// Jumps become links between the pages. Texts stay in Windows-1252, which the
// pages declare.
#include <cstdint>
#include <string>
#include <vector>

#include "tools/helpc/HelpDocument.h"

namespace tintfall::help {

struct HtmlPage {
    std::string fileName;  // contextName + ".html"
    std::vector<std::uint8_t> bytes;
};

// The file name of a topic's page.
std::string htmlPageName(const std::string& contextName);

std::vector<HtmlPage> writeHtmlHelp(const HelpDocument& document);

}  // namespace tintfall::help
