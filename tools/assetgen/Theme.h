#pragma once
// The palette every picture of the window shares. The number boxes, the
// digit glyphs, the status bar, its text lines and the clock glyphs use flat
// colours so that glyphs drawn over the window background match it exactly.
#include "tools/assetgen/Canvas2d.h"

namespace tintfall::assetgen::theme {

inline const Rgb kWindowTop = hex(0x202857);
inline const Rgb kWindowBottom = hex(0x0D1027);
inline const Rgb kPanelTop = hex(0x2C3570);
inline const Rgb kPanelBottom = hex(0x1A2050);
inline const Rgb kPanelLight = hex(0x6070C8);
inline const Rgb kPanelDark = hex(0x070918);
inline const Rgb kLabel = hex(0xC4CEFF);
inline const Rgb kGold = hex(0xF5C542);
inline const Rgb kCyan = hex(0x5CE6FF);
inline const Rgb kNumberBox = hex(0x060914);
inline const Rgb kDigit = hex(0xFFC24A);
inline const Rgb kStatusBar = hex(0x0C112C);
inline const Rgb kStatusText = hex(0xD8E0FF);
inline const Rgb kClock = hex(0x8FE8FF);
inline const Rgb kFieldWell = hex(0x121628);

}  // namespace tintfall::assetgen::theme
