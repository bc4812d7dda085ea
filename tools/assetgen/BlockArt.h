#pragma once
// The twelve block sets: cells of colours 0 to 5 and the bombs 6 to 8, the
// removal animation of each set and the bomb explosion.
#include <memory>

#include "tools/assetgen/Canvas2d.h"

namespace tintfall::assetgen {

constexpr int kCellFrames = 9;
constexpr int kRemovalSteps = 5;
constexpr int kExplosionFrames = 5;

// The colour of block colour 0..5 that every set starts from.
Rgb blockColour(int colour);
// Draws one cell (colour 0..5, or 6..8 for the small, medium and large bomb)
// of a set filling the rectangle.
void drawCell(cairo_t* cr, int set, int colour, double x, double y, double w, double h);

// 9 cells side by side.
std::unique_ptr<Picture> cellStrip(int set, int cellWidth, int cellHeight);
// 30 cells: frame 6k + colour is step k (0..4) of colour's removal.
std::unique_ptr<Picture> removalStrip(int set, int cellWidth, int cellHeight);
// 5 cells of the bomb explosion.
std::unique_ptr<Picture> explosionStrip(int cellWidth, int cellHeight);

}  // namespace tintfall::assetgen
