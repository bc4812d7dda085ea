#include "engine/Matcher.h"

#include "engine/Game.h"

namespace tintfall {

namespace {

struct Direction {
    int dc;
    int dr;
};

// Vertical, horizontal, diagonal, anti-diagonal; each measured first along
// (dc, dr) and then along (-dc, -dr).
constexpr std::array<Direction, 4> kDirections{{{0, 1}, {-1, 0}, {-1, -1}, {1, -1}}};

// The cells of the run being measured, as board indices. A run is at most
// one board length long, so a short list replaces a marked scratch grid that
// would have to be scanned and refilled for every direction of every cell.
struct Run {
    std::array<int, kRows> cells{};
    int length = 0;

    void add(int index) { cells[static_cast<std::size_t>(length++)] = index; }
};

void measureSense(const GameBoard& board, Run& run, int column, int row, int dc, int dr, std::int32_t colour) {
    for (int c = column + dc, r = row + dr; onBoard(c, r) && board.cell(c, r) == colour; c += dc, r += dr)
        run.add(c * kRows + r);
}

}  // namespace

std::int32_t markRuns(const GameBoard& board, MarkGrid& removeMark) {
    removeMark.fill(kUnmarked);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const std::int32_t colour = board.cell(column, row);
            if (colour == EmptyCell) continue;
            for (const Direction& d : kDirections) {
                Run run;
                run.add(column * kRows + row);
                measureSense(board, run, column, row, d.dc, d.dr, colour);
                measureSense(board, run, column, row, -d.dc, -d.dr, colour);
                if (run.length < 3) continue;
                for (int i = 0; i < run.length; ++i)
                    removeMark[static_cast<std::size_t>(run.cells[static_cast<std::size_t>(i)])] = kRemoveCell;
            }
        }
    }
    std::int32_t marked = 0;
    for (std::int32_t mark : removeMark)
        if (mark == kRemoveCell) ++marked;
    return marked;
}

std::int32_t Game::findAndRemoveRuns() {
    MarkGrid removeMark;
    const std::int32_t marked = markRuns(state_.board, removeMark);
    if (marked < 3) return 0;
    play(BlockRemoved);
    GameBoard& board = state_.board;
    for (int frame = 0; frame < 5; ++frame) {
        for (int column = 0; column < kColumns; ++column)
            for (int row = kFirstVisibleRow; row < kRows; ++row)
                if (removeMark[column * kRows + row] == kRemoveCell)
                    host_.drawCell(column, row, CellImage::Removal, 6 * frame + board.cell(column, row));
        wait(settings_.demolitionDelay);
    }
    for (std::size_t i = 0; i < removeMark.size(); ++i)
        if (removeMark[i] == kRemoveCell) board.cells[i] = EmptyCell;
    return marked;
}

}  // namespace tintfall
