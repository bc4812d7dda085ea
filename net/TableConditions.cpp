#include "net/TableConditions.h"

#include "engine/Rules.h"

namespace tintfall {

bool meetsConditions(const ScoreEntry& row) {
    return row.hasInfo == 1 && row.gameMode == Classic && (row.colourCount == Normal || row.colourCount == Hard) &&
           row.blockCountCode == ThreeBlocks;
}

}  // namespace tintfall
