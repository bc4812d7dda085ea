#include "scores/ScoreEntryCodec.h"

namespace tintfall {

void writeScoreEntry(DataWriter& out, const ScoreEntry& e) {
    out.writeText(e.name);
    out.writeInt32(e.level);
    out.writeInt32(e.score);
    out.writeInt32(e.blocksRemoved);
    out.writeInt32(e.hasInfo);
    out.writeText(e.startedText);
    out.writeText(e.finishedText);
    out.writeInt32(e.gameSeconds);
    out.writeInt32(e.piecesCount);
    out.writeInt32(e.bombsCount);
    out.writeInt32(e.minDropSeconds);
    out.writeInt32(e.maxDropSeconds);
    out.writeInt32(e.averageDropSeconds);
    out.writeInt32(e.bombsEnabled);
    out.writeInt32(e.gameMode);
    out.writeInt32(e.colourCount);
    out.writeInt32(e.blockCountCode);
    out.writeText(e.country);
}

ScoreEntry readScoreEntry(DataReader& in) {
    ScoreEntry e;
    e.name = in.readText();
    e.level = in.readInt32();
    e.score = in.readInt32();
    e.blocksRemoved = in.readInt32();
    e.hasInfo = in.readInt32();
    e.startedText = in.readText();
    e.finishedText = in.readText();
    e.gameSeconds = in.readInt32();
    e.piecesCount = in.readInt32();
    e.bombsCount = in.readInt32();
    e.minDropSeconds = in.readInt32();
    e.maxDropSeconds = in.readInt32();
    e.averageDropSeconds = in.readInt32();
    e.bombsEnabled = in.readInt32();
    e.gameMode = in.readInt32();
    e.colourCount = in.readInt32();
    e.blockCountCode = in.readInt32();
    e.country = in.readText();
    return e;
}

}  // namespace tintfall
