#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "platform/headless/LocalFiles.h"
#include "shell/AssetStore.h"
#include "shell/FileCheck.h"
#include "tests/support/BaseFolder.h"
#include "tests/support/MemoryFiles.h"
#include "tests/support/TempFolder.h"
#include "tests/unit/shell/BitmapForms.h"
#include "tests/unit/shell/BitmapShape.h"

namespace tintfall {
namespace {

class FileCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const std::string& name : checkedFileNames()) {
            if (name.find(".bmp") != std::string::npos) {
                write(name, makeBitmap({3, 2, 24, 0, 0}));
            } else {
                std::ofstream(LocalFiles::hostPath(folder.base() + name)) << "x";
            }
        }
    }
    void write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        std::ofstream out(LocalFiles::hostPath(folder.base() + name), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    // The check as the window runs it: after the pictures of the block set
    // in use are loaded.
    std::string check(int blockSet = 0) {
        AssetStore pictures(files, folder.base());
        pictures.loadAll(blockSet);
        return checkFiles(files, folder.base(), pictures);
    }
    void removeFile(const std::string& name) {
        ASSERT_TRUE(std::filesystem::remove(LocalFiles::hostPath(folder.base() + name))) << name;
    }

    TempFolder folder;
    LocalFiles files;
};

TEST(FileCheckList, HoldsEveryFileOnceInReportOrder) {
    const std::vector<std::string>& names = checkedFileNames();
    ASSERT_EQ(names.size(), 112u);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), 112u);
    EXPECT_EQ(names[0], "tintfall.hlp");
    EXPECT_EQ(names[1], "snd\\add.wav");
    EXPECT_EQ(names[16], "snd\\time.wav");
    EXPECT_EQ(names[17], "graph\\b1block.bmp");
    EXPECT_EQ(names[20], "graph\\back.bmp");
    EXPECT_EQ(names[25], "graph\\backb.bmp");
    EXPECT_EQ(names[26], "graph\\back1b.bmp");
    EXPECT_EQ(names[60], "graph\\help.bmp");
    EXPECT_EQ(names[61], "graph\\ianim0.bmp");
    EXPECT_EQ(names[72], "graph\\ianim11.bmp");
    EXPECT_EQ(names[73], "graph\\ianim0b.bmp");
    EXPECT_EQ(names[85], "graph\\items0.bmp");
    EXPECT_EQ(names[108], "graph\\items11b.bmp");
    EXPECT_EQ(names[111], "graph\\tdigits.bmp");
    int sounds = 0;
    int bitmaps = 0;
    for (const std::string& name : names) {
        sounds += name.rfind("snd\\", 0) == 0 && name.size() > 8 && name.substr(name.size() - 4) == ".wav";
        bitmaps += name.rfind("graph\\", 0) == 0 && name.substr(name.size() - 4) == ".bmp";
    }
    EXPECT_EQ(sounds, 16);
    EXPECT_EQ(bitmaps, 95);
}

TEST_F(FileCheckTest, NothingMissingGivesNoMessage) { EXPECT_EQ(check(), ""); }

TEST_F(FileCheckTest, HelpFileAndTwoSoundsAreListedInOrder) {
    removeFile("snd\\time.wav");
    removeFile("tintfall.hlp");
    removeFile("snd\\bomb.wav");
    EXPECT_EQ(check(),
              "Attention! This files were not found:\n"
              "tintfall.hlp\n"
              "snd\\bomb.wav\n"
              "snd\\time.wav\n"
              "\nProgram may work incorrectly");
}

TEST_F(FileCheckTest, PicturesThatCannotBeDrawnAreListedInTheirPlace) {
    write("graph\\back.bmp", {'B', 'M', 1, 2, 3});
    std::vector<std::uint8_t> cut = makeBitmap({3, 2, 24, 0, 0});
    cut.resize(cut.size() - 1);
    write("graph\\items5b.bmp", cut);
    write("graph\\ianim0.bmp", cut);  // of the block set in use
    BitmapForm rle4;
    rle4.bits = 4;
    rle4.compression = 2;
    write("graph\\digits.bmp", writeForm(rle4));  // a usual form: fine
    removeFile("snd\\line.wav");
    EXPECT_EQ(check(),
              "Attention! This files were not found:\n"
              "snd\\line.wav\n"
              "graph\\back.bmp\n"
              "graph\\ianim0.bmp\n"
              "graph\\items5b.bmp\n"
              "\nProgram may work incorrectly");
}

TEST_F(FileCheckTest, UnselectedBlockSetIsCheckedToo) {
    removeFile("graph\\items5b.bmp");
    EXPECT_EQ(check(),
              "Attention! This files were not found:\ngraph\\items5b.bmp\n\nProgram may work incorrectly");
}

TEST_F(FileCheckTest, EverythingMissingListsAllNames) {
    LocalFiles local;
    AssetStore pictures(local, folder.base() + "nowhere/");
    pictures.loadAll(0);
    const std::string message = checkFiles(local, folder.base() + "nowhere/", pictures);
    std::string expected = "Attention! This files were not found:\n";
    for (const std::string& name : checkedFileNames()) expected += name + "\n";
    EXPECT_EQ(message, expected + "\nProgram may work incorrectly");
}

TEST(FileCheckReads, PicturesInUseComeFromTheStoreAndTheOtherBlockSetsOnlyToTheirHeaders) {
    MemoryFiles files;
    for (const std::string& name : checkedFileNames()) {
        files.contents[kBaseFolder + name] = name.find(".bmp") != std::string::npos
                                                 ? makeBitmap({3, 2, 24, 0, 0})
                                                 : std::vector<std::uint8_t>{'x'};
    }
    BitmapForm rle8;
    rle8.bits = 8;
    rle8.compression = 1;
    files.contents[kBaseFolder + "graph\\items7.bmp"] = writeForm(rle8);
    // The same picture said to be 16384 pixels square: it would decode to
    // more than any picture may take.
    std::vector<std::uint8_t> tooLarge = writeForm(rle8);
    tooLarge[18] = 0x00;
    tooLarge[19] = 0x40;
    tooLarge[22] = 0x00;
    tooLarge[23] = 0x40;
    files.contents[kBaseFolder + "graph\\ianim9b.bmp"] = tooLarge;
    AssetStore pictures(files, kBaseFolder);
    pictures.loadAll(2);
    files.readPaths.clear();

    EXPECT_EQ(checkFiles(files, kBaseFolder, pictures),
              "Attention! This files were not found:\ngraph\\ianim9b.bmp\n\nProgram may work incorrectly");
    EXPECT_TRUE(files.readPaths.empty());
    EXPECT_EQ(files.startPaths.size(), 44u);  // 48 block-set pictures, 4 of them in use
}

}  // namespace
}  // namespace tintfall
