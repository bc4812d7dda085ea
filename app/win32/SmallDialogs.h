#pragma once
// The About box and the Champions dialog, both modal, and the window
// services of the program that show them.
#include <windows.h>

#include "platform/win32/Win32WindowServices.h"

namespace tintfall {

void runAboutBox(HINSTANCE instance, HWND owner);
void runChampionsDialog(HINSTANCE instance, HWND owner);

class ProgramWindowServices : public Win32WindowServices {
public:
    using Win32WindowServices::Win32WindowServices;
    void showAboutBox() override { runAboutBox(instance(), window()); }
    void showChampionsDialog() override { runChampionsDialog(instance(), window()); }
};

}  // namespace tintfall
