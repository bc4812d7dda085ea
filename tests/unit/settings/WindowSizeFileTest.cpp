#include <gtest/gtest.h>

#include "shell/WindowSizeFile.h"
#include "tests/support/BaseFolder.h"
#include "tests/support/MemoryFiles.h"
#include "tests/unit/scores/FileBytes.h"

using namespace tintfall;

namespace {

const std::string kSizeFilePath = "C:\\Games\\ws.dat";

}  // namespace

TEST(WindowSizeFile, IsTheHeaderAndTheModeInTwentyNineBytes) {
    MemoryFiles files;
    ASSERT_TRUE(writeWindowSizeMode(files, kBaseFolder, 0));
    const std::vector<std::uint8_t>& bytes = files.contents[kSizeFilePath];
    ASSERT_EQ(bytes.size(), 29u);
    EXPECT_EQ(bytes[0], 24);
    EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 25), "TINTFALL_WINDOWSIZE_FILE");
    EXPECT_EQ(int32At(bytes, 25), 0);
    EXPECT_EQ(readWindowSizeMode(files, kBaseFolder), 0);

    ASSERT_TRUE(writeWindowSizeMode(files, kBaseFolder, 1));
    EXPECT_EQ(readWindowSizeMode(files, kBaseFolder), 1);
}

TEST(WindowSizeFile, MissingForeignOrShortFilesMeanAutomatic) {
    MemoryFiles files;
    EXPECT_EQ(readWindowSizeMode(files, kBaseFolder), 100);

    std::vector<std::uint8_t> foreign = encodeWindowSizeMode(1);
    foreign[1] = 't';
    files.contents[kSizeFilePath] = foreign;
    EXPECT_EQ(readWindowSizeMode(files, kBaseFolder), 100);

    const std::vector<std::uint8_t> valid = encodeWindowSizeMode(1);
    for (std::size_t length = 0; length < valid.size(); ++length) {
        files.contents[kSizeFilePath].assign(valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(length));
        ASSERT_EQ(readWindowSizeMode(files, kBaseFolder), 100) << "length " << length;
    }
}

TEST(WindowSizeFile, AnyStoredModeIsHandedOverForTheCallerToJudge) {
    MemoryFiles files;
    files.contents[kSizeFilePath] = encodeWindowSizeMode(7);
    EXPECT_EQ(readWindowSizeMode(files, kBaseFolder), 7);
}
