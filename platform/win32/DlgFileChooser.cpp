#include "platform/win32/DlgFileChooser.h"

#include <vector>

#include "platform/win32/OnDemandLibraries.h"

namespace tintfall {

std::optional<std::string> runFileChooser(HWND owner, const FileDialogSpec& spec, FileChooserKind kind) {
    // Room for long paths; the initial name goes in as the proposed file name.
    std::vector<char> path(4096, '\0');
    spec.initialName.copy(path.data(), path.size() - 1);
    const std::string filter = systemFilter(spec.filter);

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrTitle = spec.title.c_str();
    dialog.lpstrDefExt = spec.defaultExtension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (spec.askBeforeOverwrite) dialog.Flags |= OFN_OVERWRITEPROMPT;

    const BOOL chosen = kind == FileChooserKind::Save ? onDemand::getSaveFileName(&dialog)
                                                           : onDemand::getOpenFileName(&dialog);
    if (!chosen) return std::nullopt;
    return std::string(path.data());
}

}  // namespace tintfall
