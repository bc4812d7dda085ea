// helpc SOURCE OUTPUT [HTMLFOLDER]: compiles a help source text into a
// WinHelp file and, when a folder is named, into one web page per topic there.
#include <iostream>
#include <string>

#include "platform/headless/LocalFiles.h"
#include "tools/helpc/HelpFileWriter.h"
#include "tools/helpc/HelpSourceParser.h"
#include "tools/helpc/HtmlHelpWriter.h"

int main(int argc, char** argv) {
    using namespace tintfall;
    if (argc != 3 && argc != 4) {
        std::cerr << "usage: helpc SOURCE OUTPUT [HTMLFOLDER]\n";
        return 2;
    }
    const std::string sourcePath = argv[1];
    LocalFiles localFiles;
    Files& files = localFiles;
    auto source = files.read(sourcePath);
    if (!source) {
        std::cerr << sourcePath << ": cannot be read\n";
        return 1;
    }
    auto parsed = help::parseHelpSource(std::string(source->begin(), source->end()));
    if (!parsed.document) {
        std::cerr << sourcePath;
        if (parsed.errorLine > 0) std::cerr << ':' << parsed.errorLine;
        std::cerr << ": " << parsed.error << '\n';
        return 1;
    }
    auto compiled = help::compileHelp(*parsed.document);
    if (!compiled.error.empty()) {
        std::cerr << sourcePath << ": " << compiled.error << '\n';
        return 1;
    }
    if (!files.write(argv[2], compiled.bytes)) {
        std::cerr << argv[2] << ": cannot be written\n";
        return 1;
    }
    if (argc == 4) {
        for (const help::HtmlPage& page : help::writeHtmlHelp(*parsed.document)) {
            const std::string path = std::string(argv[3]) + "/" + page.fileName;
            if (!files.write(path, page.bytes)) {
                std::cerr << path << ": cannot be written\n";
                return 1;
            }
        }
    }
    return 0;
}
