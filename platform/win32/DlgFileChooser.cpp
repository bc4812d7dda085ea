#include "platform/win32/DlgFileChooser.h"

#include <vector>

#include "platform/win32/OnDemandLibraries.h"
#include "platform/win32/WideText.h"

namespace tintfall {

std::optional<std::string> runFileChooser(HWND owner, const FileDialogRequest& request, FileChooserKind kind) {
    // Room for long paths; the initial name goes in as the proposed file name.
    std::vector<wchar_t> path(4096, L'\0');
    toWide(request.initialName).copy(path.data(), path.size() - 1);
    // The filter's NULs are part of the text, so the conversion keeps them.
    const std::wstring filter = toWide(systemFilter(request.filter));
    const std::wstring title = toWide(request.title);
    const std::wstring defaultExtension = toWide(request.defaultExtension);

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = defaultExtension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (request.askBeforeOverwrite) dialog.Flags |= OFN_OVERWRITEPROMPT;

    const BOOL chosen = kind == FileChooserKind::Save ? onDemand::getSaveFileName(&dialog)
                                                           : onDemand::getOpenFileName(&dialog);
    if (!chosen) return std::nullopt;
    return pathFromWide(path.data());
}

}  // namespace tintfall
