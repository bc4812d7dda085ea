#include "platform/win32/OnDemandLibraries.h"

namespace tintfall::onDemand {
namespace {

// The function of a library, loaded on the first call for it and kept for
// the life of the program.
template <typename Function>
Function find(const char* library, const char* name) {
    HMODULE module = GetModuleHandleA(library);
    if (module == nullptr) module = LoadLibraryA(library);
    if (module == nullptr) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

using FileDialog = BOOL(WINAPI*)(OPENFILENAMEW*);
using ColourDialog = BOOL(WINAPI*)(CHOOSECOLORA*);
using InitControls = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
using CreatePage = HPROPSHEETPAGE(WINAPI*)(const PROPSHEETPAGEA*);
using DestroyPage = BOOL(WINAPI*)(HPROPSHEETPAGE);
using Sheet = INT_PTR(WINAPI*)(const PROPSHEETHEADERA*);

}  // namespace

BOOL getOpenFileName(OPENFILENAMEW* dialog) {
    static const FileDialog function = find<FileDialog>("comdlg32.dll", "GetOpenFileNameW");
    return function != nullptr && function(dialog);
}

BOOL getSaveFileName(OPENFILENAMEW* dialog) {
    static const FileDialog function = find<FileDialog>("comdlg32.dll", "GetSaveFileNameW");
    return function != nullptr && function(dialog);
}

BOOL chooseColour(CHOOSECOLORA* chooser) {
    static const ColourDialog function = find<ColourDialog>("comdlg32.dll", "ChooseColorA");
    return function != nullptr && function(chooser);
}

bool initCommonControls() {
    static const InitControls function = find<InitControls>("comctl32.dll", "InitCommonControlsEx");
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    return function != nullptr && function(&controls);
}

HPROPSHEETPAGE createPropertySheetPage(const PROPSHEETPAGEA* page) {
    static const CreatePage function = find<CreatePage>("comctl32.dll", "CreatePropertySheetPageA");
    return function != nullptr ? function(page) : nullptr;
}

BOOL destroyPropertySheetPage(HPROPSHEETPAGE page) {
    static const DestroyPage function = find<DestroyPage>("comctl32.dll", "DestroyPropertySheetPage");
    return function != nullptr && function(page);
}

INT_PTR propertySheet(const PROPSHEETHEADERA* header) {
    static const Sheet function = find<Sheet>("comctl32.dll", "PropertySheetA");
    return function != nullptr ? function(header) : -1;
}

}  // namespace tintfall::onDemand
