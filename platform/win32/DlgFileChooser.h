#pragma once
// The system's file-open and file-save dialogs.
#include <windows.h>

#include <optional>
#include <string>

#include "platform/FileDialogRequest.h"

namespace tintfall {

enum class FileChooserKind { Open, Save };

// The full path chosen, or nothing on Cancel.
std::optional<std::string> runFileChooser(HWND owner, const FileDialogRequest& request, FileChooserKind kind);

}  // namespace tintfall
