#pragma once
// Helpers shared by the whole-game tests.
#include <cstdint>

#include "engine/GameState.h"
#include "tests/support/GameDriver.h"
#include "scores/ScoreBook.h"

namespace tintfall::testing {

constexpr int kLongGame = 200000;  // ticks; far beyond any game these tests play

inline ScoreBook loadBook(GameDriver& driver) {
    ScoreBook book;
    book.load(driver.files(), driver.baseFolder());
    return book;
}

inline bool hiddenRowsOccupied(const GameState& state) {
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 0; row < kFirstVisibleRow; ++row) {
            if (state.board.cell(column, row) != EmptyCell) return true;
        }
    }
    return false;
}

// A colour for every cell such that no two neighbours in any of the four
// directions are equal, so the pattern holds no run at all (five colours).
inline std::int32_t patternColour(int column, int row) { return (column + 2 * row) % 5; }

inline void fillPattern(GameBoard& board, int column, int fromRow) {
    for (int row = fromRow; row <= kFloorRow; ++row) board.setCell(column, row, patternColour(column, row));
}

// A table whose ten rows all hold the given score.
inline void writeFullTable(GameDriver& driver, ScoreTableId table, std::int32_t score) {
    ScoreBook book;
    for (int i = 0; i < kScoreRows; ++i) {
        ScoreEntry entry;
        entry.name = "Old";
        entry.level = 5;
        entry.score = score;
        entry.hasInfo = 1;
        book.insertEntry(table, entry, "then");
    }
    book.save(driver.files(), driver.baseFolder());
}

}  // namespace tintfall::testing
