#pragma once
// The options sheet: a property sheet titled "Tintfall" with the Game,
// Interface, Control and Sound pages.
#include <windows.h>

namespace tintfall {

class CGameOpt;
class CIntOpt;
class CConOpt;
class CSndOpt;

// True when the sheet closed with OK, every shown page having accepted it.
bool runOptionsSheet(HINSTANCE instance, HWND owner, CGameOpt& game, CIntOpt& interfacePage, CConOpt& control,
                     CSndOpt& sound);

}  // namespace tintfall
