#pragma once
// Client size and every rectangle of one window size.
#include <array>

#include "panel/PanelGeometry.h"

namespace tintfall {

enum WindowSizeMode : int { NormalSize = 0, BigSize = 1, AutomaticSize = 100 };

struct WindowLayout {
    int clientWidth = 0;
    int clientHeight = 0;
    Point fieldOrigin;  // top-left of cell column 0, row 0
    int cellWidth = 0;
    int cellHeight = 0;
    Rect fieldRect;  // visible rows 3 to 14

    // "At" points are the top-left of the rightmost digit.
    Point levelDigitsAt;
    Point scoreDigitsAt;
    Point blocksRemovedDigitsAt;
    Point blocksToClearDigitsAt;
    Point timeLeftAt;
    Point riseCountdownDigitsAt;
    Point bestScoreDigitsAt;

    Rect levelRect;
    Rect scoreRect;
    Rect blocksRemovedRect;
    Rect blocksToClearRect;
    Rect timeLeftRect;
    Rect riseCountdownRect;
    Rect bestScoreRect;

    Rect nextBarRect;
    Rect statusLineRect;
    Rect statusOffRect;
    Point clockAt;
    int clockGlyphWidth = 5;
    int clockGlyphHeight = 9;
    std::array<int, 6> nextCellX{};
    std::array<int, 6> nextCellBottomY{};

    // Buttons (hit areas too) and the information hotspots of the panel.
    PanelGeometry panel;
};

// The layout of effectiveSize 0 (Normal) or 1 (Big).
WindowLayout applyLayout(int effectiveSize);

// 0 (Normal) for a screen narrower than 830 or lower than 620 pixels, else 1.
int chooseAutomaticSize(int screenWidth, int screenHeight);

}  // namespace tintfall
