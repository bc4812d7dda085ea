#pragma once
// Everything drawn inside the game window: the full frame composed in the
// back buffer and copied to the window, and the small drawing operations the
// engine's moves and animations use straight in the window between frames.
#include <array>
#include <cstdint>

#include "engine/GameHost.h"
#include "engine/GameState.h"
#include "panel/PanelGeometry.h"
#include "panel/PanelLooks.h"
#include "platform/Canvas.h"
#include "platform/WindowPresenter.h"
#include "settings/GameSettings.h"
#include "shell/AssetStore.h"
#include "shell/WindowLayout.h"

namespace tintfall {

// What the window shows besides the game itself.
struct PresentationState {
    bool windowReady = false;      // creation has finished
    bool paintingEnabled = false;  // the first tick has come
    int clockHour = 0;
    int clockMinute = 0;
    int effectiveSize = 0;  // 0 Normal, 1 Big
    WindowLayout layout;

    bool canDraw() const { return windowReady && paintingEnabled; }
};

// One drawing job: what is drawn, and where. Built by the window for each
// call. Drawing only reads.
struct RenderContext {
    const AssetStore& assets;
    const GameState& game;
    const GameSettings& settings;
    const PresentationState& view;
    const PanelLooks& panel;
    Canvas& backBuffer;
    Canvas& window;
    WindowPresenter& presenter;
};

// The full frame into the back buffer, then the whole back buffer into the
// window. Nothing while the window is not ready or painting is not enabled.
void redraw(const RenderContext& context);

// The number displays into the back buffer, each display's rectangle then
// copied to the window. Only while a game runs.
void refreshPanel(const RenderContext& context);

// All buttons and the status area straight into the window.
void drawPanel(const RenderContext& context);

// The visible cells the falling piece left and now covers, straight into the
// window: its blocks where it is, the board or the field background where it was.
void drawPieceMove(const RenderContext& context);

// The settle pass: the visible field into the back buffer (blocks and field
// background), then the field rectangle into the window.
void showField(const RenderContext& context);

// One cell of a cell-sized image straight into the window; rows 0 to 2 are
// never drawn.
void drawCellInWindow(const RenderContext& context, int column, int row, CellImage image, int frame);
// The field background of one cell straight into the window.
void drawFieldBackgroundCell(const RenderContext& context, int column, int row);
// The cover picture of one cell straight into the window.
void drawCoverCell(const RenderContext& context, int column, int row);

// Top-left pixel of a board cell.
Point cellPosition(const WindowLayout& layout, int column, int row);

// Copies frame `frame` (cell-sized, at x = frame x cell width) of a cell image
// to the cell's position on target.
void drawCell(Canvas& target, const WindowLayout& layout, const DibView& image, int column, int row, int frame);

// Restores the field background of settings.fieldBackground in a rectangle
// inside the field.
void drawFieldBackground(Canvas& target, const AssetStore& assets, const GameSettings& settings, int effectiveSize,
                         const WindowLayout& layout, int x, int y, int width, int height);

// The image of a cell-image kind in the effective size.
const DibImage& cellImage(const AssetStore& assets, CellImage image, int effectiveSize);

// The best-score display's value: the best score to beat, or the score once
// it is greater (the engine plays the sound when that first happens).
std::int32_t shownBestScore(const GameState& game);

}  // namespace tintfall
