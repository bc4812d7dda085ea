#pragma once
// The choices of a file-open or file-save dialog.
#include <string>

namespace tintfall {

struct FileDialogRequest {
    std::string title;
    // Pairs of description and pattern separated by '|', ending in "||".
    std::string filter;
    std::string defaultExtension;
    std::string initialName;
    // Save dialogs only: ask before replacing an existing file.
    bool askBeforeOverwrite = false;
};

// The filter as the system's file dialogs take it: every '|' a NUL, so the
// list ends in two NULs.
inline std::string systemFilter(const std::string& filter) {
    std::string converted = filter;
    for (char& c : converted)
        if (c == '|') c = '\0';
    return converted;
}

}  // namespace tintfall
