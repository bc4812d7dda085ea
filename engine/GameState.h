#pragma once
// The state of the running game: plain data that the engine changes, the
// renderer reads and the saved-game file stores field by field.
#include <array>
#include <cstdint>
#include <string>

#include "engine/Rules.h"

namespace tintfall {

constexpr std::int32_t EmptyCell = 100;
constexpr int kColumns = 6;
constexpr int kRows = 15;
constexpr int kFirstVisibleRow = 3;
constexpr int kFloorRow = 14;

constexpr std::array<int, 6> blocksPerKind{3, 2, 1, 1, 1, 1};
constexpr std::array<int, 6> spawnColumn{2, 2, 2, 2, 2, 2};
constexpr std::array<int, 6> spawnRow{2, 2, 2, 2, 2, 2};

inline bool isBomb(std::int32_t kind) { return kind >= SmallBomb && kind <= LargeBomb; }

// A cell of the field, hidden rows included.
inline bool onBoard(int column, int row) { return column >= 0 && column < kColumns && row >= 0 && row < kRows; }
// A cell of the rows the window shows.
inline bool isVisibleCell(int column, int row) { return onBoard(column, row) && row >= kFirstVisibleRow; }

// The field, stored column by column: cell (c, r) is cells[c * 15 + r].
struct GameBoard {
    std::array<std::int32_t, kColumns * kRows> cells;

    GameBoard() { resetBoard(); }
    void resetBoard() { cells.fill(EmptyCell); }
    std::int32_t cell(int column, int row) const { return cells[column * kRows + row]; }
    void setCell(int column, int row, std::int32_t value) { cells[column * kRows + row] = value; }
};

struct FallingPiece {
    std::int32_t kind = ThreeBlocks;
    std::array<std::int32_t, 3> colours{0, 0, 0};  // block 0 is the bottom block
    std::int32_t column = 2;
    std::int32_t row = 2;                          // row of block 0; block i is at row - i
    std::int32_t prevColumn = 2;
    std::int32_t prevRow = 2;
};

struct GameStats {
    std::string startedText;
    std::string finishedText;
    std::int32_t gameSeconds = 0;
    std::int32_t piecesCount = 0;
    std::int32_t bombsCount = 0;
    std::int32_t minDropSeconds = 1000;
    std::int32_t maxDropSeconds = 0;
    std::int32_t sumDropSeconds = 0;  // the average once the game has ended
};

enum RepeatPhase : std::int32_t { Idle = 0, Waiting = 1, Repeating = 2 };

struct KeyTracker {
    std::int32_t held = 0;
    std::int32_t repeatPhase = Idle;
    std::uint32_t pressTime = 0;
    // Went down and up again before a tick acted on it: acts once on the next.
    std::int32_t tapped = 0;
};

// The one program-wide generator: state * 214013 + 2531011, bits 16..30.
struct RandomGenerator {
    std::uint32_t state = 0;
    void seed(std::int64_t calendarSeconds) { state = static_cast<std::uint32_t>(calendarSeconds); }
    std::int32_t next() {
        state = state * 214013u + 2531011u;
        return static_cast<std::int32_t>((state >> 16) & 0x7FFF);
    }
};

struct GameState {
    GameBoard board;
    FallingPiece piece;
    std::array<std::int32_t, 3> nextColours{0, 0, 0};

    std::int32_t level = 0;
    std::int32_t score = 0;
    std::int32_t blocksRemoved = 0;
    std::int32_t blocksToClear = 0;
    std::int32_t timeLeft = 0;
    std::int32_t riseCountdown = 0;
    std::int32_t riseCountdownMax = 0;
    std::int32_t bestScoreToBeat = 0;
    std::int32_t bestSoundPending = 1;
    std::int32_t fallInterval = 1000;
    std::uint32_t lastFallTime = 0;
    std::uint32_t lastTickTime = 0;
    std::int32_t pieceSpawnSecond = 0;
    std::uint32_t timerStamp = 0;
    std::int32_t clockRunning = 0;
    std::uint32_t secondsStamp = 0;
    GameStats stats;  // stats.gameSeconds is the play-time counter

    // Engine flags.
    std::int32_t gameRunning = 0;
    std::int32_t notPaused = 1;
    std::int32_t appActive = 1;

    std::array<KeyTracker, 5> keys{};
    RandomGenerator random;
};

}  // namespace tintfall
