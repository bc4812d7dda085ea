#pragma once
// How the help opens. The WinHelp viewer is part of Windows up to XP and of
// Wine. From Vista on Windows ships only a stub that says the viewer is
// missing (and Windows 10 and 11 offer no download of it), so there the same
// topic opens as a page of help\ in the default browser. The system's
// release is a fact the platform reports; the choice is made here.
#include <string>

#include "platform/WindowServices.h"

namespace tintfall {

// F1 and the Help menu open the contents topic.
inline constexpr int kHelpIndexContext = 1;

bool winHelpViewerUsable(const SystemRelease& release);

// The page of a help context, relative to the program's folder; the contents
// page for a context without a page of its own.
std::string helpPageFor(int context);

// Opens the help at a context number the way the system can show it.
void openHelp(WindowServices& services, int context);

}  // namespace tintfall
