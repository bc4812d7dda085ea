// The matcher on random full boards and one landing with a two-wave
// cascade, with all animation delays 0 and a clock that only counts.
#include <benchmark/benchmark.h>

#include <vector>

#include "engine/Game.h"
#include "engine/Matcher.h"
#include "platform/headless/ManualClock.h"

namespace tintfall {
namespace {

class SilentHost : public GameHost {
public:
    void redraw() override {}
    void drawPieceMove() override {}
    void refreshPanel() override {}
    void drawCell(int, int, CellImage, int) override {}
    void drawFieldBackgroundCell(int, int) override {}
    void drawCoverCell(int, int) override {}
    void showField() override {}
    void playSound(SoundEvent, int) override {}
    bool askYesNo(const std::string&) override { return false; }
    void showWinnerMessage() override {}
    std::string dateTimeText() override { return {}; }
    std::int32_t bestLocalScore(std::int32_t) override { return 0; }
    std::int32_t qualifyingScore(std::int32_t) override { return 2000000000; }
    void recordResult(const GameResult&) override {}
};

std::vector<GameBoard> randomFullBoards(int count) {
    RandomGenerator random;
    random.seed(12345);
    std::vector<GameBoard> boards(static_cast<std::size_t>(count));
    for (GameBoard& board : boards)
        for (std::int32_t& cell : board.cells) cell = random.next() % 5;
    return boards;
}

void BM_MarkRunsOnRandomFullBoards(benchmark::State& bench) {
    const std::vector<GameBoard> boards = randomFullBoards(256);
    MarkGrid removeMark;
    std::size_t i = 0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(markRuns(boards[i++ & 255], removeMark));
    }
}
BENCHMARK(BM_MarkRunsOnRandomFullBoards);

// The floor of one matching wave: one pass that compares every cell with its
// neighbour in each of the four directions and counts the equal pairs.
void BM_NeighbourPassFloor(benchmark::State& bench) {
    const std::vector<GameBoard> boards = randomFullBoards(256);
    std::size_t i = 0;
    for (auto _ : bench) {
        const GameBoard& board = boards[i++ & 255];
        int equal = 0;
        for (int column = 0; column < kColumns; ++column) {
            for (int row = 0; row < kRows; ++row) {
                const std::int32_t c = board.cell(column, row);
                if (column + 1 < kColumns) {
                    equal += c == board.cell(column + 1, row);
                    if (row + 1 < kRows) equal += c == board.cell(column + 1, row + 1);
                    if (row > 0) equal += c == board.cell(column + 1, row - 1);
                }
                if (row + 1 < kRows) equal += c == board.cell(column, row + 1);
            }
        }
        benchmark::DoNotOptimize(equal);
    }
}
BENCHMARK(BM_NeighbourPassFloor);

void BM_FindAndRemoveRunsOnRandomFullBoards(benchmark::State& bench) {
    const std::vector<GameBoard> boards = randomFullBoards(256);
    GameState state;
    GameSettings settings;
    settings.demolitionDelay = 0;
    SilentHost host;
    ManualClock clock;
    Game game(state, settings, host, clock);
    std::size_t i = 0;
    for (auto _ : bench) {
        state.board = boards[i++ & 255];
        benchmark::DoNotOptimize(game.findAndRemoveRuns());
    }
}
BENCHMARK(BM_FindAndRemoveRunsOnRandomFullBoards);

// A piece that removes three blocks, after which a row of four forms.
void BM_LandingWithTwoWaveCascade(benchmark::State& bench) {
    GameState state;
    GameSettings settings;
    settings.demolitionDelay = 0;
    settings.levelAnimationDelay = 0;
    SilentHost host;
    ManualClock clock;
    Game game(state, settings, host, clock);
    state.gameRunning = 1;
    for (auto _ : bench) {
        state.board.resetBoard();
        state.board.setCell(0, 14, 1);
        state.board.setCell(1, 14, 1);
        state.board.setCell(2, 14, 0);
        state.board.setCell(3, 14, 1);
        state.piece.kind = ThreeBlocks;
        state.piece.colours = {0, 0, 1};
        state.piece.column = 2;
        state.piece.row = 13;
        state.blocksToClear = 40;
        state.riseCountdown = state.timeLeft = -1;
        benchmark::DoNotOptimize(game.landPiece());
    }
    if (state.blocksRemoved == 0) bench.SkipWithError("the cascade removed nothing");
}
BENCHMARK(BM_LandingWithTwoWaveCascade);

}  // namespace
}  // namespace tintfall
