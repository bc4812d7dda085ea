#pragma once
// A game with recording host and manual clock, and helpers that build boards.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <type_traits>

#include "engine/Game.h"
#include "platform/headless/ManualClock.h"
#include "tests/unit/engine/RecordingHost.h"

namespace tintfall::test {

class EngineTest : public ::testing::Test {
protected:
    EngineTest() : game(state, settings, host, clock) {
        settings.demolitionDelay = 0;
        settings.levelAnimationDelay = 0;
    }

    // A running Classic game at level 1 with an empty board and the given
    // piece at the spawn position, without the start animation.
    void playing(std::int32_t kind = ThreeBlocks, std::array<std::int32_t, 3> colours = {0, 1, 2}) {
        state.board.resetBoard();
        state.gameRunning = 1;
        state.notPaused = 1;
        state.appActive = 1;
        state.level = 1;
        state.blocksToClear = 40;
        state.fallInterval = 1000;
        state.timeLeft = state.riseCountdown = state.riseCountdownMax = -1;
        state.piece.kind = kind;
        state.piece.colours = colours;
        state.piece.column = state.piece.prevColumn = 2;
        state.piece.row = state.piece.prevRow = 2;
        state.nextColours = {3, 3, 3};
    }

    // Stacks colours on column c from the floor upwards.
    void stack(int column, std::initializer_list<std::int32_t> bottomUp) {
        int row = kFloorRow;
        for (std::int32_t colour : bottomUp) state.board.setCell(column, row--, colour);
    }

    // A board drawn as text, top row first, one character per column:
    // '.' empty, '0'..'5' a colour. The rows given end at the floor row.
    void board(std::initializer_list<const char*> rows) {
        state.board.resetBoard();
        int row = kRows - static_cast<int>(rows.size());
        for (const char* text : rows) {
            for (int column = 0; column < kColumns; ++column)
                if (text[column] != '.') state.board.setCell(column, row, text[column] - '0');
            ++row;
        }
    }

    std::string columnText(int column) const {
        std::string text;
        for (int row = 0; row < kRows; ++row) {
            const std::int32_t cell = state.board.cell(column, row);
            text += cell == EmptyCell ? '.' : static_cast<char>('0' + cell);
        }
        return text;
    }

    // The board as rows of letters, top row first: '.' empty, 'A' colour 0,
    // 'B' colour 1 and so on; a line marks where the visible field begins.
    std::string boardText() const {
        std::string text;
        for (int row = 0; row < kRows; ++row) {
            if (row == kFirstVisibleRow) text += "------\n";
            for (int column = 0; column < kColumns; ++column) {
                const std::int32_t cell = state.board.cell(column, row);
                text += cell == EmptyCell ? '.' : static_cast<char>('A' + cell);
            }
            text += '\n';
        }
        return text;
    }

    // Runs one move of the game, keeping the board before and after as text
    // for the failure messages of the checks that follow (<< boards).
    template <typename Move>
    auto played(const char* what, Move move) {
        const std::string before = boardText();
        auto keep = [&] { boards = std::string("board before ") + what + ":\n" + before + "after:\n" + boardText(); };
        if constexpr (std::is_void_v<decltype(move())>) {
            move();
            keep();
        } else {
            auto result = move();
            keep();
            return result;
        }
    }
    bool land() { return played("the landing", [this] { return game.landPiece(); }); }
    std::string boards;

    int occupiedCells() const {
        int count = 0;
        for (std::int32_t cell : state.board.cells)
            if (cell != EmptyCell) ++count;
        return count;
    }

    GameState state;
    GameSettings settings;
    RecordingHost host;
    ManualClock clock;
    Game game;
};

}  // namespace tintfall::test
