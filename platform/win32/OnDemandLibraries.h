#pragma once
// The common dialogs and the common controls, loaded at their first use: a
// session that never opens a file chooser, the colour chooser or the options
// sheet does without them (under Wine they are most of a start's memory).
// A library or function that cannot be found fails as the call itself would.
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>

namespace tintfall::onDemand {

BOOL getOpenFileName(OPENFILENAMEW* dialog);
BOOL getSaveFileName(OPENFILENAMEW* dialog);
BOOL chooseColour(CHOOSECOLORA* chooser);

// Registers the common control classes (the options pages' spin buttons);
// call before the sheet. False when the library is missing.
bool initCommonControls();
HPROPSHEETPAGE createPropertySheetPage(const PROPSHEETPAGEA* page);
BOOL destroyPropertySheetPage(HPROPSHEETPAGE page);
INT_PTR propertySheet(const PROPSHEETHEADERA* header);

}  // namespace tintfall::onDemand
