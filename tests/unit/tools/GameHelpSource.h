#pragma once
// The game's own help source, read from the source tree the tests were
// built from (TINTFALL_SOURCE_DIR); empty when it cannot be read.
#include <cstdlib>
#include <string>

#include "platform/headless/LocalFiles.h"

namespace tintfall::help {

inline std::string gameHelpSource() {
    const char* root = std::getenv("TINTFALL_SOURCE_DIR");
    if (root == nullptr) return {};
    LocalFiles local;
    Files& files = local;  // the read with the default limit is the interface's
    const auto source = files.read(std::string(root) + "/resources/help/tintfall.help.txt");
    return source ? std::string(source->begin(), source->end()) : std::string();
}

}  // namespace tintfall::help
