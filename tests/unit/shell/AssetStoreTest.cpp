#include <gtest/gtest.h>

#include <fstream>

#include "platform/headless/LocalFiles.h"
#include "shell/AssetStore.h"
#include "shell/FileCheck.h"
#include "tests/support/TempFolder.h"
#include "tests/unit/shell/BitmapShape.h"

namespace tintfall {
namespace {

TEST(AssetNames, TwoSizeRolesEndInB) {
    EXPECT_EQ(assetFileName(AssetRole::Background, 0, 11), "graph\\back.bmp");
    EXPECT_EQ(assetFileName(AssetRole::Background, 1, 11), "graph\\backb.bmp");
    EXPECT_EQ(assetFileName(AssetRole::FantasyField, 1, 0), "graph\\back4b.bmp");
    EXPECT_EQ(assetFileName(AssetRole::Explosion, 1, 0), "graph\\explb.bmp");
    EXPECT_EQ(assetFileName(AssetRole::BlockCells, 0, 7), "graph\\items7.bmp");
    EXPECT_EQ(assetFileName(AssetRole::BlockCells, 1, 11), "graph\\items11b.bmp");
    EXPECT_EQ(assetFileName(AssetRole::RemovalAnimation, 1, 10), "graph\\ianim10b.bmp");
    EXPECT_EQ(assetFileName(AssetRole::Digits, 1, 3), "graph\\digits.bmp");
    EXPECT_EQ(assetFileName(AssetRole::StatusBarShown, 1, 3), "graph\\bmin2.bmp");
    EXPECT_EQ(assetFileName(AssetRole::ClockDigits, 0, 3), "graph\\tdigits.bmp");
}

TEST(AssetNames, EveryBitmapOfTheCheckIsARoleFile) {
    std::vector<std::string> checked;
    for (const std::string& name : checkedFileNames()) {
        if (name.rfind("graph\\", 0) == 0) checked.push_back(name);
    }
    std::vector<std::string> named;
    for (int role = 0; role < kAssetRoleCount; ++role) {
        const AssetRole r = static_cast<AssetRole>(role);
        const bool perSet = r == AssetRole::BlockCells || r == AssetRole::RemovalAnimation;
        for (int set = 0; set < (perSet ? kBlockSetCount : 1); ++set) {
            for (int size = 0; size < (hasTwoSizes(r) ? 2 : 1); ++size) named.push_back(assetFileName(r, size, set));
        }
    }
    std::sort(checked.begin(), checked.end());
    std::sort(named.begin(), named.end());
    EXPECT_EQ(named, checked);
}

// A folder holding every bitmap as a tiny image whose width tells which
// file it is: the index of the name in the check list, plus one.
class AssetStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto& names = checkedFileNames();
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (names[i].rfind("graph\\", 0) == 0) writeBitmap(names[i], static_cast<int>(i) + 1);
        }
    }
    void writeBitmap(const std::string& name, int width) {
        std::vector<std::uint8_t> bytes = makeBitmap({width, 1, 24, 0, 0});
        std::ofstream(LocalFiles::hostPath(folder.base() + name), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    static int indexOf(const std::string& name) {
        const auto& names = checkedFileNames();
        return static_cast<int>(std::find(names.begin(), names.end(), name) - names.begin()) + 1;
    }

    TempFolder folder;
    LocalFiles files;
};

TEST_F(AssetStoreTest, LoadAllFillsEveryRoleFromItsFile) {
    AssetStore store(files, folder.base());
    store.loadAll(5);
    for (int role = 0; role < kAssetRoleCount; ++role) {
        const AssetRole r = static_cast<AssetRole>(role);
        for (int size = 0; size < 2; ++size) {
            const std::string name = assetFileName(r, size, 5);
            EXPECT_EQ(store.image(r, size).width(), indexOf(name)) << name;
        }
    }
    EXPECT_EQ(store.blockSet(), 5);
}

TEST_F(AssetStoreTest, SizeOtherThanBigMeansNormal) {
    AssetStore store(files, folder.base());
    store.loadAll(0);
    EXPECT_EQ(store.image(AssetRole::Cover, 7).width(), indexOf("graph\\back1.bmp"));
    EXPECT_EQ(store.image(AssetRole::Cover, -1).width(), indexOf("graph\\back1.bmp"));
    EXPECT_EQ(store.image(AssetRole::Digits, 1).width(), indexOf("graph\\digits.bmp"));
}

TEST_F(AssetStoreTest, ReloadBlockSetReplacesOnlyTheFourSetImages) {
    AssetStore store(files, folder.base());
    store.loadAll(11);
    EXPECT_EQ(store.image(AssetRole::BlockCells, 0).width(), indexOf("graph\\items11.bmp"));
    // A file changed on disk after loading shows which images were read again.
    writeBitmap("graph\\back.bmp", 500);
    store.reloadBlockSet(3);
    EXPECT_EQ(store.blockSet(), 3);
    EXPECT_EQ(store.image(AssetRole::BlockCells, 0).width(), indexOf("graph\\items3.bmp"));
    EXPECT_EQ(store.image(AssetRole::BlockCells, 1).width(), indexOf("graph\\items3b.bmp"));
    EXPECT_EQ(store.image(AssetRole::RemovalAnimation, 0).width(), indexOf("graph\\ianim3.bmp"));
    EXPECT_EQ(store.image(AssetRole::RemovalAnimation, 1).width(), indexOf("graph\\ianim3b.bmp"));
    EXPECT_EQ(store.image(AssetRole::Background, 0).width(), indexOf("graph\\back.bmp"));
}

TEST_F(AssetStoreTest, MissingAndForeignFilesGiveEmptyImagesAndTheRestLoads) {
    std::filesystem::remove(LocalFiles::hostPath(folder.base() + "graph\\items2b.bmp"));
    std::filesystem::remove(LocalFiles::hostPath(folder.base() + "graph\\digits.bmp"));
    std::ofstream(LocalFiles::hostPath(folder.base() + "graph\\help.bmp")) << "not a bitmap";
    AssetStore store(files, folder.base());
    store.loadAll(2);
    EXPECT_TRUE(store.image(AssetRole::BlockCells, 1).empty());
    EXPECT_TRUE(store.image(AssetRole::BlockCells, 1).view().empty());
    EXPECT_TRUE(store.image(AssetRole::Digits, 0).empty());
    EXPECT_TRUE(store.image(AssetRole::StatusLines, 0).empty());
    EXPECT_FALSE(store.image(AssetRole::BlockCells, 0).empty());
    EXPECT_EQ(store.image(AssetRole::ClockDigits, 0).width(), indexOf("graph\\tdigits.bmp"));
}

TEST_F(AssetStoreTest, OversizedFileIsNotReadAsABitmap) {
    // A well-formed header in front of far more bytes than any picture needs.
    std::vector<std::uint8_t> bytes = makeBitmap({3, 2, 24, 0, 0});
    bytes.resize(17u * 1024u * 1024u, 0);
    std::ofstream(LocalFiles::hostPath(folder.base() + "graph\\stat.bmp"), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    AssetStore store(files, folder.base());
    store.loadAll(0);
    EXPECT_TRUE(store.image(AssetRole::StatusOff, 0).empty());
    EXPECT_FALSE(store.image(AssetRole::NextBar, 0).empty());
}

TEST_F(AssetStoreTest, BlockSetOutsideTheTwelveLeavesTheSetEmpty) {
    AssetStore store(files, folder.base());
    store.loadAll(4);
    for (int set : {-1, 12, 1000}) {
        store.reloadBlockSet(set);
        EXPECT_TRUE(store.image(AssetRole::BlockCells, 0).empty()) << set;
        EXPECT_TRUE(store.image(AssetRole::RemovalAnimation, 1).empty()) << set;
    }
    store.reloadBlockSet(0);
    EXPECT_EQ(store.image(AssetRole::BlockCells, 0).width(), indexOf("graph\\items0.bmp"));
}

// Colour of pixel (x, 0) of a 24-bit image as its three stored bytes.
std::vector<std::uint8_t> firstRowPixel(const DibImage& image, int x) {
    const DibView v = image.view();
    const std::uint8_t* p = v.pixels + (static_cast<std::size_t>(v.height) - 1) * v.stride + 3 * static_cast<std::size_t>(x);
    return {p[0], p[1], p[2]};
}

// Above 96 DPI: the finer file made with the 1x file is held as it is; a
// finer file made with another 1x file (the player replaced the picture) is
// passed over for the 1x pixels repeated; in between, the finer set is
// shrunk to the screen's size; and back at 96 DPI the files are held again.
TEST_F(AssetStoreTest, FinerScreensHoldOnePictureMadeForTheirResolution) {
    auto pairedFinerFile = [this](const std::string& name, std::uint32_t stamp) {
        std::vector<std::uint8_t> finer = makeBitmap({2 * indexOf(name), 2, 24, 0, 0});
        put32(finer, kPairStampOffset, stamp);
        std::ofstream(LocalFiles::hostPath(folder.base() + finerAssetFileName(name, 2)), std::ios::binary)
            .write(reinterpret_cast<const char*>(finer.data()), static_cast<std::streamsize>(finer.size()));
        return DibImage::fromFileBytes(finer);
    };
    const std::uint32_t backStamp =
        pictureStamp(files.read(folder.base() + "graph\\back.bmp", Files::kDefaultReadLimit).value());
    const DibImage finerBack = pairedFinerFile("graph\\back.bmp", backStamp);
    pairedFinerFile("graph\\back1.bmp", backStamp);

    AssetStore store(files, folder.base(), DisplayScale{192});
    store.loadAll(0);
    const DibImage& back = store.image(AssetRole::Background, 0);
    EXPECT_EQ(back.width(), 2 * indexOf("graph\\back.bmp"));
    EXPECT_EQ(back.scale(), DisplayScale{192});
    EXPECT_EQ(firstRowPixel(back, 1), firstRowPixel(finerBack, 1));
    const DibImage& cover = store.image(AssetRole::Cover, 0);
    EXPECT_EQ(cover.height(), 2);
    EXPECT_EQ(firstRowPixel(cover, 1), (std::vector<std::uint8_t>{0xA0, 0xA1, 0xA2}));  // 1x pixel 0 repeated
    EXPECT_EQ(firstRowPixel(cover, 2), (std::vector<std::uint8_t>{0xA3, 0xA4, 0xA5}));

    store.changeScale(DisplayScale{144});
    EXPECT_EQ(store.image(AssetRole::Background, 0).width(), DisplayScale{144}.toPixels(indexOf("graph\\back.bmp")));
    store.changeScale(DisplayScale{});
    EXPECT_EQ(store.image(AssetRole::Background, 0).width(), indexOf("graph\\back.bmp"));
}

TEST_F(AssetStoreTest, ReleaseAllEmptiesEverything) {
    AssetStore store(files, folder.base());
    store.loadAll(1);
    store.releaseAll();
    for (int role = 0; role < kAssetRoleCount; ++role) {
        EXPECT_TRUE(store.image(static_cast<AssetRole>(role), 0).empty());
        EXPECT_TRUE(store.image(static_cast<AssetRole>(role), 1).empty());
    }
}

}  // namespace
}  // namespace tintfall
