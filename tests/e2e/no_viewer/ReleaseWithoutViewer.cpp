// The system report of a test build of tintfall.exe: Windows 10, not Wine,
// so that under Wine the program takes the way it takes on current Windows.
#include "platform/win32/SystemRelease.h"

namespace tintfall {

SystemRelease reportSystemRelease() { return SystemRelease{10, 0, false}; }

}  // namespace tintfall
