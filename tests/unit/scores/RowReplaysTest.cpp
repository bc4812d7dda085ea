#include <gtest/gtest.h>

#include "scores/ScoreBook.h"
#include "scores/RowReplays.h"
#include "tests/support/BaseFolder.h"
#include "tests/support/MemoryFiles.h"
#include "tests/support/PlayedEntry.h"

namespace tintfall {

// A replay follows its row's game whatever the row's name, and goes when the
// row is no longer in the tables.
TEST(RowReplays, KeptWhileTheRowStaysWhateverItsNameAndRemovedWhenItLeaves) {
    MemoryFiles files;
    const ScoreEntry stays = playedEntry(ClassicTable, 500, 3, 40, "Ann");
    const ScoreEntry leaves = playedEntry(ClassicTable, 300, 2, 20, "");
    ScoreBook book;
    book.insertEntry(ClassicTable, stays, "now");
    ASSERT_TRUE(book.save(files, kBaseFolder));
    ASSERT_TRUE(keepRowReplay(files, kBaseFolder, playedEntry(ClassicTable, 500, 3, 40, ""), {1, 2, 3}));
    ASSERT_TRUE(keepRowReplay(files, kBaseFolder, leaves, {4}));
    removeLeftRowReplays(files, kBaseFolder, {stays, leaves});
    EXPECT_EQ(readRowReplay(files, kBaseFolder, stays).events, (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_FALSE(hasRowReplay(files, kBaseFolder, leaves));
}

}  // namespace tintfall
