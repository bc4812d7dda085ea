#pragma once
// One ScoreEntry as its 18 fields (4 texts, 14 integers), the row form shared
// by the score book, the upload file and the Top 10 file.
#include "platform/DataReader.h"
#include "platform/DataWriter.h"
#include "scores/ScoreEntry.h"

namespace tintfall {

void writeScoreEntry(DataWriter& writer, const ScoreEntry& entry);
// A reader that runs out leaves reader.ok() false; the row is then unusable.
ScoreEntry readScoreEntry(DataReader& reader);

}  // namespace tintfall
