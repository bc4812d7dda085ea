#include "shell/Renderer.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "engine/PlayedRules.h"
#include "shell/NumberDisplay.h"
#include "shell/PanelPainter.h"

namespace tintfall {
namespace {

constexpr int kNextCellWidth = 32;
constexpr int kNextCellHeight = 30;
constexpr int kDigitsOfLevel = 3;
constexpr int kDigitsOfScore = 7;
constexpr int kDigitsOfBlocksRemoved = 5;
constexpr int kDigitsOfBlocksToClear = 3;
constexpr int kDigitsOfRiseCountdown = 2;

// Cell frames are colours 0-5 and the bomb colours 6-8; anything else (a
// damaged saved game) draws nothing rather than a neighbouring picture.
bool isCellFrame(std::int32_t frame) { return frame >= 0 && frame <= 8; }

bool fieldUncovered(const GameState& game) { return game.gameRunning && game.notPaused && game.appActive; }

DibView digitsOf(const AssetStore& assets) { return assets.image(AssetRole::Digits, 0).view(); }

// One number display by index, in the order the panel draws and refreshes
// them: six numbers, then the Timer-mode time. Returns false for a display
// that is hidden in this mode.
bool drawNumberDisplay(int index, Canvas& canvas, const RenderContext& c, Rect& area) {
    const WindowLayout& l = c.view.layout;
    const DibView digits = digitsOf(c.assets);
    const GameState& g = c.game;
    struct Shown {
        std::int32_t value;
        Point at;
        int places;
        Rect area;
    };
    const Shown numbers[] = {
        {g.level, l.levelDigitsAt, kDigitsOfLevel, l.levelRect},
        {g.score, l.scoreDigitsAt, kDigitsOfScore, l.scoreRect},
        {shownBestScore(g), l.bestScoreDigitsAt, kDigitsOfScore, l.bestScoreRect},
        {g.blocksRemoved, l.blocksRemovedDigitsAt, kDigitsOfBlocksRemoved, l.blocksRemovedRect},
        {g.blocksToClear, l.blocksToClearDigitsAt, kDigitsOfBlocksToClear, l.blocksToClearRect},
        {g.riseCountdown, l.riseCountdownDigitsAt, kDigitsOfRiseCountdown, l.riseCountdownRect},
    };
    constexpr int kRiseCountdownDisplay = 5;
    constexpr int kTimeDisplay = 6;
    if (index >= kTimeDisplay) {
        if (g.timeLeft < 0) return false;
        drawTimeDisplay(canvas, digits, g.timeLeft, l.timeLeftAt);
        area = l.timeLeftRect;
        return true;
    }
    if (index == kRiseCountdownDisplay && g.riseCountdown < 0) return false;
    const Shown& shown = numbers[index];
    drawNumber(canvas, digits, shown.value, shown.at, shown.places);
    area = shown.area;
    return true;
}
constexpr int kNumberDisplayCount = 7;

// Block i of the falling piece at (column, row), or -1.
int pieceBlockAt(const FallingPiece& p, int column, int row) {
    if (column != p.column || p.kind < 0 || p.kind >= static_cast<std::int32_t>(blocksPerKind.size())) return -1;
    const int i = p.row - row;
    return (i >= 0 && i < blocksPerKind[static_cast<std::size_t>(p.kind)]) ? i : -1;
}

// A rectangle of the image copied to the same place; nothing for an empty rectangle.
void blitInPlace(Canvas& target, const DibView& image, const Rect& r) {
    if (r.width > 0 && r.height > 0) target.blit(image, r.x, r.y, r.width, r.height, r.x, r.y);
}

// The window background everywhere but in the field.
void drawBackgroundAroundField(const RenderContext& c, const DibView& background) {
    const WindowLayout& l = c.view.layout;
    const Rect& f = l.fieldRect;
    const int right = f.x + f.width;
    const int bottom = f.y + f.height;
    blitInPlace(c.backBuffer, background, {0, 0, l.clientWidth, f.y});
    blitInPlace(c.backBuffer, background, {0, f.y, f.x, f.height});
    blitInPlace(c.backBuffer, background, {right, f.y, l.clientWidth - right, f.height});
    blitInPlace(c.backBuffer, background, {0, bottom, l.clientWidth, l.clientHeight - bottom});
}

// Whether the field background paints the whole field by itself.
bool fieldBackgroundFillsField(const RenderContext& c) {
    const Rect& f = c.view.layout.fieldRect;
    switch (c.settings.fieldBackground) {
        case UserColour: return true;
        case ColourField:
        case ThreeDField:
        case FantasyField: {
            const AssetRole role = static_cast<AssetRole>(static_cast<int>(AssetRole::ColourField) +
                                                          (c.settings.fieldBackground - ColourField));
            return c.assets.image(role, c.view.effectiveSize).view().holds(0, 0, f.width, f.height);
        }
        default:
            return c.assets.image(AssetRole::Background, c.view.effectiveSize).view().holds(f.x, f.y, f.width, f.height);
    }
}

// Whether the board or the falling piece paints the whole cell later in the frame.
bool cellPaintedOver(const RenderContext& c, const DibView& cells, int column, int row) {
    std::int32_t value = c.game.board.cell(column, row);
    if (!isCellFrame(value)) {
        const int i = pieceBlockAt(c.game.piece, column, row);
        value = i < 0 ? EmptyCell : c.game.piece.colours[static_cast<std::size_t>(i)];
    }
    const WindowLayout& l = c.view.layout;
    return isCellFrame(value) && cells.holds(value * l.cellWidth, 0, l.cellWidth, l.cellHeight);
}

// The field background in every part of the field that the board and the
// piece leave showing, in runs of cells along each row; a run under one of
// the same columns in the row above extends it. The whole field when the
// cells are not drawn or do not tile the field exactly.
void drawFieldBackgroundBehindCells(const RenderContext& c) {
    const WindowLayout& l = c.view.layout;
    const Rect& f = l.fieldRect;
    auto draw = [&c, &l](const Rect& r) {
        drawFieldBackground(c.backBuffer, c.assets, c.settings, c.view.effectiveSize, l, r.x, r.y, r.width, r.height);
    };
    const Point first = cellPosition(l, 0, kFirstVisibleRow);
    const bool cellsTileField = first.x == f.x && first.y == f.y && kColumns * l.cellWidth == f.width &&
                                (kFloorRow + 1 - kFirstVisibleRow) * l.cellHeight == f.height;
    if (!cellsTileField || !fieldUncovered(c.game)) {
        draw(f);
        return;
    }
    const DibView cells = cellImage(c.assets, CellImage::Blocks, c.view.effectiveSize).view();
    std::vector<Rect> above;  // the runs reaching down to the current row
    for (int row = kFirstVisibleRow; row <= kFloorRow; ++row) {
        std::vector<Rect> reaching;
        for (int column = 0; column < kColumns;) {
            if (cellPaintedOver(c, cells, column, row)) {
                ++column;
                continue;
            }
            const int start = column;
            while (column < kColumns && !cellPaintedOver(c, cells, column, row)) ++column;
            const Point at = cellPosition(l, start, row);
            Rect run{at.x, at.y, (column - start) * l.cellWidth, l.cellHeight};
            const auto same = std::find_if(above.begin(), above.end(),
                                           [&run](const Rect& r) { return r.x == run.x && r.width == run.width; });
            if (same != above.end()) {
                run = {same->x, same->y, same->width, same->height + run.height};
                above.erase(same);
            }
            reaching.push_back(run);
        }
        for (const Rect& r : above) draw(r);
        above = std::move(reaching);
    }
    for (const Rect& r : above) draw(r);
}

void drawFieldBackgroundInFrame(const RenderContext& c) {
    const WindowLayout& l = c.view.layout;
    const Rect& f = l.fieldRect;
    switch (c.settings.fieldBackground) {
        case UserColour:
            c.backBuffer.fill(f.x, f.y, f.width, f.height, static_cast<ColourRef>(c.settings.userColour));
            break;
        case ColourField:
        case ThreeDField:
        case FantasyField:
            drawFieldBackground(c.backBuffer, c.assets, c.settings, c.view.effectiveSize, l, f.x, f.y, f.width,
                                f.height);
            break;
        default:  // grey: the window background shows through
            break;
    }
}

void drawNextPiece(const RenderContext& c) {
    const WindowLayout& l = c.view.layout;
    // The next piece has the kind the game's pieces are played as.
    const std::size_t code = static_cast<std::size_t>(playedBlockCountCode(c.settings));
    // The next bar always shows Normal-size cells, also in the Big window.
    const DibView cells = c.assets.image(AssetRole::BlockCells, 0).view();
    for (int i = 0; i < blocksPerKind[code]; ++i) {
        const std::int32_t colour = c.game.nextColours[static_cast<std::size_t>(i)];
        if (!isCellFrame(colour)) continue;
        c.backBuffer.blit(cells, colour * kNextCellWidth, 0, kNextCellWidth, kNextCellHeight, l.nextCellX[code],
                          l.nextCellBottomY[code] - kNextCellHeight * i);
    }
}

void drawFallingPiece(Canvas& target, const RenderContext& c) {
    const FallingPiece& p = c.game.piece;
    if (p.kind < 0 || p.kind >= static_cast<std::int32_t>(blocksPerKind.size())) return;
    const DibView cells = cellImage(c.assets, CellImage::Blocks, c.view.effectiveSize).view();
    for (int i = 0; i < blocksPerKind[static_cast<std::size_t>(p.kind)]; ++i) {
        const int row = p.row - i;
        const std::int32_t colour = p.colours[static_cast<std::size_t>(i)];
        if (isVisibleCell(p.column, row) && isCellFrame(colour)) drawCell(target, c.view.layout, cells, p.column, row, colour);
    }
}

void drawBoard(Canvas& target, const RenderContext& c) {
    const DibView cells = cellImage(c.assets, CellImage::Blocks, c.view.effectiveSize).view();
    for (int row = kFirstVisibleRow; row <= kFloorRow; ++row)
        for (int column = 0; column < kColumns; ++column) {
            const std::int32_t value = c.game.board.cell(column, row);
            if (value != EmptyCell && isCellFrame(value)) drawCell(target, c.view.layout, cells, column, row, value);
        }
}

// A cell as the board shows it without the piece: its block or the field background.
void drawBoardCell(Canvas& target, const RenderContext& c, int column, int row) {
    const std::int32_t value = c.game.board.cell(column, row);
    if (value != EmptyCell && isCellFrame(value)) {
        drawCell(target, c.view.layout, cellImage(c.assets, CellImage::Blocks, c.view.effectiveSize).view(), column,
                 row, value);
    } else {
        const Point at = cellPosition(c.view.layout, column, row);
        drawFieldBackground(target, c.assets, c.settings, c.view.effectiveSize, c.view.layout, at.x, at.y,
                            c.view.layout.cellWidth, c.view.layout.cellHeight);
    }
}

}  // namespace

Point cellPosition(const WindowLayout& layout, int column, int row) {
    return {layout.fieldOrigin.x + column * layout.cellWidth, layout.fieldOrigin.y + row * layout.cellHeight};
}

void drawCell(Canvas& target, const WindowLayout& layout, const DibView& image, int column, int row, int frame) {
    const Point at = cellPosition(layout, column, row);
    target.blit(image, frame * layout.cellWidth, 0, layout.cellWidth, layout.cellHeight, at.x, at.y);
}

void drawFieldBackground(Canvas& target, const AssetStore& assets, const GameSettings& settings, int effectiveSize,
                         const WindowLayout& layout, int x, int y, int width, int height) {
    const Rect& f = layout.fieldRect;
    switch (settings.fieldBackground) {
        case UserColour: target.fill(x, y, width, height, static_cast<ColourRef>(settings.userColour)); return;
        case ColourField:
        case ThreeDField:
        case FantasyField: {
            const AssetRole role = static_cast<AssetRole>(static_cast<int>(AssetRole::ColourField) +
                                                          (settings.fieldBackground - ColourField));
            target.blit(assets.image(role, effectiveSize).view(), x - f.x, y - f.y, width, height, x, y);
            return;
        }
        default:  // grey, and any unknown value: the window background
            target.blit(assets.image(AssetRole::Background, effectiveSize).view(), x, y, width, height, x, y);
            return;
    }
}

const DibImage& cellImage(const AssetStore& assets, CellImage image, int effectiveSize) {
    switch (image) {
        case CellImage::Removal: return assets.image(AssetRole::RemovalAnimation, effectiveSize);
        case CellImage::Explosion: return assets.image(AssetRole::Explosion, effectiveSize);
        default: return assets.image(AssetRole::BlockCells, effectiveSize);
    }
}

std::int32_t shownBestScore(const GameState& game) {
    return game.score > game.bestScoreToBeat ? game.score : game.bestScoreToBeat;
}

void redraw(const RenderContext& c) {
    if (!c.view.canDraw()) return;
    const WindowLayout& l = c.view.layout;
    const int size = c.view.effectiveSize;
    Canvas& back = c.backBuffer;

    // Each pixel is drawn once where the pictures allow it: the window
    // background around the field, and in the field only what the cover or
    // the cells leave showing.
    const Rect& f = l.fieldRect;
    const DibView background = c.assets.image(AssetRole::Background, size).view();
    const DibView cover = c.assets.image(AssetRole::Cover, size).view();
    const bool coverHidesField = !fieldUncovered(c.game) && cover.holds(0, 0, f.width, f.height);
    if (coverHidesField || fieldBackgroundFillsField(c)) {
        drawBackgroundAroundField(c, background);
        if (!coverHidesField) drawFieldBackgroundBehindCells(c);
    } else {
        back.blit(background, 0, 0, l.clientWidth, l.clientHeight, 0, 0);
        drawFieldBackgroundInFrame(c);
    }
    if (!fieldUncovered(c.game)) back.blit(cover, 0, 0, f.width, f.height, f.x, f.y);
    drawStatusArea(back, c.assets, c.settings, c.view, c.panel);
    if (c.game.gameRunning) {
        Rect unused;
        for (int i = 0; i < kNumberDisplayCount; ++i) drawNumberDisplay(i, back, c, unused);
    }
    drawButtons(back, c.assets, c.game, c.settings, c.view, c.panel);
    if (c.settings.showStatusBar)
        drawClock(back, c.assets.image(AssetRole::ClockDigits, 0).view(), c.view.clockHour, c.view.clockMinute, l.clockAt);
    if (c.settings.showNextBar) {
        const Rect& n = l.nextBarRect;
        back.blit(c.assets.image(AssetRole::NextBar, 0).view(), 0, 0, n.width, n.height, n.x, n.y);
        if (c.game.gameRunning) drawNextPiece(c);
    }
    if (fieldUncovered(c.game)) {
        drawFallingPiece(back, c);
        drawBoard(back, c);
    }
    c.presenter.present({0, 0, l.clientWidth, l.clientHeight});
}

void refreshPanel(const RenderContext& c) {
    if (!c.view.canDraw() || !c.game.gameRunning) return;
    for (int i = 0; i < kNumberDisplayCount; ++i) {
        Rect area;
        if (drawNumberDisplay(i, c.backBuffer, c, area)) c.presenter.present(area);
    }
}

void drawPanel(const RenderContext& c) {
    if (!c.view.canDraw()) return;
    drawButtons(c.window, c.assets, c.game, c.settings, c.view, c.panel);
    drawStatusArea(c.window, c.assets, c.settings, c.view, c.panel);
}

void drawPieceMove(const RenderContext& c) {
    if (!c.view.canDraw()) return;
    const FallingPiece& p = c.game.piece;
    if (p.kind < 0 || p.kind >= static_cast<std::int32_t>(blocksPerKind.size())) return;
    const int blocks = blocksPerKind[static_cast<std::size_t>(p.kind)];
    const DibView cells = cellImage(c.assets, CellImage::Blocks, c.view.effectiveSize).view();
    // The cells left behind first, so that an overlap with the new position
    // ends up showing the piece.
    for (int i = 0; i < blocks; ++i) {
        const int row = p.prevRow - i;
        if (isVisibleCell(p.prevColumn, row) && pieceBlockAt(p, p.prevColumn, row) < 0)
            drawBoardCell(c.window, c, p.prevColumn, row);
    }
    for (int i = 0; i < blocks; ++i) {
        const int row = p.row - i;
        const std::int32_t colour = p.colours[static_cast<std::size_t>(i)];
        if (isVisibleCell(p.column, row) && isCellFrame(colour)) drawCell(c.window, c.view.layout, cells, p.column, row, colour);
    }
}

void showField(const RenderContext& c) {
    if (!c.view.canDraw()) return;
    for (int row = kFirstVisibleRow; row <= kFloorRow; ++row)
        for (int column = 0; column < kColumns; ++column) drawBoardCell(c.backBuffer, c, column, row);
    c.presenter.present(c.view.layout.fieldRect);
}

void drawCellInWindow(const RenderContext& c, int column, int row, CellImage image, int frame) {
    if (!c.view.canDraw() || !isVisibleCell(column, row)) return;
    drawCell(c.window, c.view.layout, cellImage(c.assets, image, c.view.effectiveSize).view(), column, row, frame);
}

void drawFieldBackgroundCell(const RenderContext& c, int column, int row) {
    if (!c.view.canDraw() || !isVisibleCell(column, row)) return;
    const Point at = cellPosition(c.view.layout, column, row);
    drawFieldBackground(c.window, c.assets, c.settings, c.view.effectiveSize, c.view.layout, at.x, at.y,
                        c.view.layout.cellWidth, c.view.layout.cellHeight);
}

void drawCoverCell(const RenderContext& c, int column, int row) {
    if (!c.view.canDraw() || !isVisibleCell(column, row)) return;
    const WindowLayout& l = c.view.layout;
    const Point at = cellPosition(l, column, row);
    c.window.blit(c.assets.image(AssetRole::Cover, c.view.effectiveSize).view(), at.x - l.fieldRect.x,
                  at.y - l.fieldRect.y, l.cellWidth, l.cellHeight, at.x, at.y);
}

}  // namespace tintfall
