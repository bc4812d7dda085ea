#include "settings/SavedGameFile.h"

#include <utility>

#include "platform/DataReader.h"
#include "platform/DataWriter.h"

namespace tintfall {

std::vector<std::uint8_t> encodeSavedGame(const GameState& g, const GameSettings& settings) {
    DataWriter out;
    out.writeText(kSavedGameHeader);
    out.writeInt32(kSavedGameFormat);
    // Row by row on disk; the board itself is held column by column.
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) out.writeInt32(g.board.cell(column, row));
    for (std::int32_t colour : g.piece.colours) out.writeInt32(colour);
    for (std::int32_t colour : g.nextColours) out.writeInt32(colour);
    out.writeInt32(g.piece.kind);
    out.writeInt32(g.piece.column);
    out.writeInt32(g.piece.row);
    out.writeInt32(g.piece.prevColumn);
    out.writeInt32(g.piece.prevRow);
    out.writeInt32(g.fallInterval);
    out.writeUint32(g.lastFallTime);
    out.writeUint32(g.lastTickTime);
    out.writeInt32(g.pieceSpawnSecond);
    out.writeUint32(g.timerStamp);
    out.writeInt32(0);  // clockRunning: the stamps are re-based after loading
    out.writeInt32(g.bestSoundPending);
    out.writeInt32(g.level);
    out.writeInt32(g.score);
    out.writeInt32(g.blocksRemoved);
    out.writeInt32(g.blocksToClear);
    out.writeInt32(g.timeLeft);
    out.writeInt32(g.riseCountdown);
    out.writeInt32(g.riseCountdownMax);
    out.writeText(g.stats.startedText);
    out.writeText(g.stats.finishedText);
    out.writeUint32(g.secondsStamp);
    out.writeInt32(g.stats.gameSeconds);
    out.writeInt32(g.stats.piecesCount);
    out.writeInt32(g.stats.bombsCount);
    out.writeInt32(g.stats.minDropSeconds);
    out.writeInt32(g.stats.maxDropSeconds);
    out.writeInt32(g.stats.sumDropSeconds);
    out.writeInt32(g.gameRunning);
    out.writeInt32(settings.gameMode);
    out.writeInt32(settings.colourCount);
    out.writeInt32(settings.blockCountCode);
    out.writeInt32(settings.bombsEnabled);
    return out.bytes();
}

bool parseSavedGame(const std::uint8_t* data, std::size_t size, GameState& state, GameSettings& settings) {
    DataReader in(data, size);
    if (!in.expectText(kSavedGameHeader) || in.readInt32() != kSavedGameFormat || !in.ok()) return false;

    GameState g = state;
    GameSettings s = settings;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) g.board.setCell(column, row, in.readInt32());
    for (std::int32_t& colour : g.piece.colours) colour = in.readInt32();
    for (std::int32_t& colour : g.nextColours) colour = in.readInt32();
    g.piece.kind = in.readInt32();
    g.piece.column = in.readInt32();
    g.piece.row = in.readInt32();
    g.piece.prevColumn = in.readInt32();
    g.piece.prevRow = in.readInt32();
    g.fallInterval = in.readInt32();
    g.lastFallTime = in.readUint32();
    g.lastTickTime = in.readUint32();
    g.pieceSpawnSecond = in.readInt32();
    g.timerStamp = in.readUint32();
    in.readInt32();  // clockRunning: a loaded game always re-bases its clock
    g.clockRunning = 0;
    g.bestSoundPending = in.readInt32();
    g.level = in.readInt32();
    g.score = in.readInt32();
    g.blocksRemoved = in.readInt32();
    g.blocksToClear = in.readInt32();
    g.timeLeft = in.readInt32();
    g.riseCountdown = in.readInt32();
    g.riseCountdownMax = in.readInt32();
    g.stats.startedText = in.readText();
    g.stats.finishedText = in.readText();
    g.secondsStamp = in.readUint32();
    g.stats.gameSeconds = in.readInt32();
    g.stats.piecesCount = in.readInt32();
    g.stats.bombsCount = in.readInt32();
    g.stats.minDropSeconds = in.readInt32();
    g.stats.maxDropSeconds = in.readInt32();
    g.stats.sumDropSeconds = in.readInt32();
    g.gameRunning = in.readInt32();
    s.gameMode = in.readInt32();
    s.colourCount = in.readInt32();
    s.blockCountCode = in.readInt32();
    s.bombsEnabled = in.readInt32();
    if (!in.ok()) return false;

    state = std::move(g);
    settings = std::move(s);
    return true;
}

bool saveGame(Files& files, const std::string& path, const GameState& state, const GameSettings& settings) {
    return files.write(path, encodeSavedGame(state, settings));
}

SavedGameLoad loadGame(Files& files, const std::string& path, GameState& state, GameSettings& settings) {
    const auto bytes = files.read(path);
    if (!bytes) return SavedGameLoad::CannotOpen;
    return parseSavedGame(bytes->data(), bytes->size(), state, settings) ? SavedGameLoad::Loaded
                                                                           : SavedGameLoad::Incorrect;
}

std::string saveGameErrorText(const std::string& fullPath) {
    return "ERROR! It is impossible to save file \"" + fullPath + "\"";
}

std::string loadGameErrorText(const std::string& fullPath) {
    return "ERROR! It is impossible to open file \"" + fullPath + "\"";
}

}  // namespace tintfall
