#pragma once
// The About box and the Champions dialog, both modal.
#include <windows.h>

namespace tintfall {

void runAboutBox(HINSTANCE instance, HWND owner);
void runChampionsDialog(HINSTANCE instance, HWND owner);

}  // namespace tintfall
