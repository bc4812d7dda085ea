#pragma once
// The release of Windows the program runs on, told by the system itself
// (RtlGetVersion, which no compatibility setting of the program file
// changes), and whether that system is Wine.
#include "platform/WindowServices.h"

namespace tintfall {

SystemRelease reportSystemRelease();

}  // namespace tintfall
