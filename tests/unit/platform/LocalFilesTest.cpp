#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "platform/headless/LocalFiles.h"

using namespace tintfall;

namespace {

class LocalFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("tintfall-files-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_ / "graph");
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::string base() const { return folder_.string() + "/"; }

    std::filesystem::path folder_;
    LocalFiles files_;
};

}  // namespace

TEST_F(LocalFilesTest, WriteReplacesTheWholeFileAndLeavesNoTemporary) {
    ASSERT_TRUE(files_.write(base() + "data.tft", {1, 2, 3, 4, 5}));
    ASSERT_TRUE(files_.write(base() + "data.tft", {9}));
    const auto bytes = files_.read(base() + "data.tft", Files::kDefaultReadLimit);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, std::vector<std::uint8_t>{9});
    EXPECT_FALSE(std::filesystem::exists(folder_ / "data.tft.tmp"));
}

TEST_F(LocalFilesTest, BackslashNamesReachSubfolders) {
    ASSERT_TRUE(files_.write(base() + "graph\\back.bmp", {'B', 'M'}));
    EXPECT_TRUE(std::filesystem::exists(folder_ / "graph" / "back.bmp"));
    EXPECT_TRUE(files_.exists(base() + "graph\\back.bmp"));
}

TEST_F(LocalFilesTest, MissingOrOversizedFilesAreNotRead) {
    EXPECT_FALSE(files_.read(base() + "none.dat", Files::kDefaultReadLimit).has_value());
    ASSERT_TRUE(files_.write(base() + "big.dat", std::vector<std::uint8_t>(100, 7)));
    EXPECT_FALSE(files_.read(base() + "big.dat", 99).has_value());
    EXPECT_TRUE(files_.read(base() + "big.dat", 100).has_value());
}

TEST_F(LocalFilesTest, WriteIntoAMissingFolderFailsWithoutCreatingIt) {
    EXPECT_FALSE(files_.write(base() + "nofolder\\x.dat", {1}));
    EXPECT_FALSE(std::filesystem::exists(folder_ / "nofolder"));
}

TEST_F(LocalFilesTest, RemoveReportsWhetherAFileWentAway) {
    ASSERT_TRUE(files_.write(base() + "z", {}));
    EXPECT_TRUE(files_.remove(base() + "z"));
    EXPECT_FALSE(files_.remove(base() + "z"));
}

TEST_F(LocalFilesTest, RenameNeverReplacesAnExistingFile) {
    ASSERT_TRUE(files_.write(base() + "key.dat", {1}));
    ASSERT_TRUE(files_.write(base() + "key.dat.damaged", {2}));
    EXPECT_FALSE(files_.rename(base() + "key.dat", base() + "key.dat.damaged"));
    EXPECT_EQ(*files_.read(base() + "key.dat.damaged", 10), std::vector<std::uint8_t>{2});
    EXPECT_TRUE(files_.rename(base() + "key.dat", base() + "key.dat.damaged2"));
    EXPECT_FALSE(files_.exists(base() + "key.dat"));
    EXPECT_EQ(*files_.read(base() + "key.dat.damaged2", 10), std::vector<std::uint8_t>{1});
}

// A disk that fills up in the middle of a write: the process may write only
// 1000 bytes to any file, so the second, larger write stops halfway.
TEST_F(LocalFilesTest, AWriteThatFailsHalfwayLeavesThePreviousFileWhole) {
    const std::vector<std::uint8_t> previous(600, 1);
    ASSERT_TRUE(files_.write(base() + "data.tft", previous));

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = files_.write(base() + "data.tft", std::vector<std::uint8_t>(4000, 2));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(files_.read(base() + "data.tft", Files::kDefaultReadLimit), previous);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "data.tft.tmp"));
}

// A directory standing where the file must go: nothing can be written there.
TEST_F(LocalFilesTest, ADirectoryInThePlaceOfTheFileRefusesTheWrite) {
    std::filesystem::create_directory(folder_ / "tintfall.dat");
    EXPECT_FALSE(files_.write(base() + "tintfall.dat", {1, 2, 3}));
    EXPECT_TRUE(std::filesystem::is_directory(folder_ / "tintfall.dat"));
    EXPECT_FALSE(std::filesystem::exists(folder_ / "tintfall.dat.tmp"));
}
