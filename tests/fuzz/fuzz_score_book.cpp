// Any bytes as "data.tft": the book and the summary queries must refuse or
// accept cleanly, and an accepted book must save back unchanged.
#include <cstdint>
#include <cstdlib>

#include "scores/ScoreBook.h"

using namespace tintfall;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ScoreBook book;
    if (!book.parse(data, size)) return 0;
    const std::vector<std::uint8_t> written = book.encode();
    ScoreBook again;
    if (!again.parse(written.data(), written.size()) || again.encode() != written) std::abort();
    // The ranking rule on whatever rows the file held: the entry lands where
    // it says and the summary follows the rows.
    ScoreEntry entry;
    entry.name = "fuzz";
    entry.score = book.tables[ClassicTable].rows[4].score;
    entry.level = 1;
    const auto place = book.insertEntry(ClassicTable, entry, "now");
    if (place) {
        const ScoreTable& table = book.tables[ClassicTable];
        if (table.rows[*place].name != "fuzz" || book.topScore[ClassicTable] != table.rows[0].score ||
            book.entryScore[ClassicTable] != table.rows[kScoreRows - 1].score)
            std::abort();
    }
    return 0;
}
