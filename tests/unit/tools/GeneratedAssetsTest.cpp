#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>

#include "platform/DataReader.h"
#include "platform/headless/LocalFiles.h"
#include "shell/AssetStore.h"
#include "shell/FileCheck.h"
#include "settings/GameSettings.h"
#include "shell/WindowLayout.h"
#include "tests/support/TempFolder.h"
#include "tools/assetgen/AssetGenerator.h"

namespace tintfall {
namespace {

// Generates every file once into a temporary folder shared by the tests.
class GeneratedAssetsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = new TempFolder;
        std::filesystem::create_directories(folder_->path() / "res");
        LocalFiles files;
        failedDist_ = assetgen::writeDistFiles(files, folder_->base());
        failedResources_ = assetgen::writeResourceFiles(files, folder_->base() + "res/");
    }
    static void TearDownTestSuite() {
        delete folder_;
        folder_ = nullptr;
    }

    static std::vector<std::uint8_t> bytes(const std::string& name) {
        LocalFiles files;
        return files.read(folder_->base() + name, Files::kDefaultReadLimit).value_or(std::vector<std::uint8_t>{});
    }
    static DibImage bitmap(const std::string& name) { return DibImage::fromFileBytes(bytes(name)); }
    static const DibImage& cached(const std::string& name) {
        static std::map<std::string, DibImage> cache;
        auto found = cache.find(name);
        if (found == cache.end()) found = cache.emplace(name, bitmap(name)).first;
        return found->second;
    }
    // 0xRRGGBB of a 24-bit image at (x, y) from the top-left.
    static std::uint32_t pixel(const DibImage& image, int x, int y) {
        const DibView v = image.view();
        const std::uint8_t* p = v.pixels + static_cast<std::size_t>(v.height - 1 - y) * v.stride + static_cast<std::size_t>(x) * 3;
        return static_cast<std::uint32_t>(p[2] << 16 | p[1] << 8 | p[0]);
    }
    static bool sameRegion(const DibImage& a, int ax, const DibImage& b, int bx, int width) {
        for (int y = 0; y < std::min(a.height(), b.height()); ++y) {
            for (int x = 0; x < width; ++x) {
                if (pixel(a, ax + x, y) != pixel(b, bx + x, y)) return false;
            }
        }
        return true;
    }

    static TempFolder* folder_;
    static std::vector<std::string> failedDist_;
    static std::vector<std::string> failedResources_;
};

TempFolder* GeneratedAssetsTest::folder_ = nullptr;
std::vector<std::string> GeneratedAssetsTest::failedDist_;
std::vector<std::string> GeneratedAssetsTest::failedResources_;

struct Size {
    int width;
    int height;
};

// The size the renderer needs of a role's picture in one window size.
Size expectedSize(AssetRole role, const WindowLayout& l) {
    const auto& b = l.panel.buttons;
    auto strip = [](const Rect& r, int frames) { return Size{r.width * frames, r.height}; };
    switch (role) {
        case AssetRole::Background: return {l.clientWidth, l.clientHeight};
        case AssetRole::Cover:
        case AssetRole::ColourField:
        case AssetRole::ThreeDField:
        case AssetRole::FantasyField: return {l.fieldRect.width, l.fieldRect.height};
        case AssetRole::BlockCells: return {9 * l.cellWidth, l.cellHeight};
        case AssetRole::RemovalAnimation: return {30 * l.cellWidth, l.cellHeight};
        case AssetRole::Explosion: return {5 * l.cellWidth, l.cellHeight};
        case AssetRole::Digits: return {170, 17};
        case AssetRole::StartButton:
        case AssetRole::StopButton: return strip(b[PanelButton::StartStop], 3);
        case AssetRole::PauseButton:
        case AssetRole::ResumeButton: return strip(b[PanelButton::Pause], 3);
        case AssetRole::PauseDisabled: return strip(b[PanelButton::Pause], 1);
        case AssetRole::SaveButton: return strip(b[PanelButton::Save], 3);
        case AssetRole::SaveDisabled: return strip(b[PanelButton::Save], 1);
        case AssetRole::LoadButton: return strip(b[PanelButton::Load], 3);
        case AssetRole::TableButton: return strip(b[PanelButton::LocalTable], 3);
        case AssetRole::InternetTableButton: return strip(b[PanelButton::InternetTable], 3);
        case AssetRole::HelpButton: return strip(b[PanelButton::Help], 3);
        case AssetRole::ExitButton: return strip(b[PanelButton::Exit], 3);
        case AssetRole::LogoButton: return strip(b[PanelButton::Logo], 3);
        case AssetRole::NextBarHidden:
        case AssetRole::NextBarShown: return strip(b[PanelButton::NextBarSwitch], 3);
        case AssetRole::StatusBarHidden:
        case AssetRole::StatusBarShown: return strip(b[PanelButton::StatusBarSwitch], 3);
        case AssetRole::BombsOn:
        case AssetRole::BombsOff: return strip(b[PanelButton::Bombs], 3);
        case AssetRole::BombsOnDisabled:
        case AssetRole::BombsOffDisabled: return strip(b[PanelButton::Bombs], 1);
        case AssetRole::ClassicSelector:
        case AssetRole::TimerSelector:
        case AssetRole::RisingSelector:
        case AssetRole::EasySelector:
        case AssetRole::NormalSelector:
        case AssetRole::HardSelector:
        case AssetRole::OneBlockSelector:
        case AssetRole::TwoBlocksSelector:
        case AssetRole::ThreeBlocksSelector: {
            const int step = static_cast<int>(role) - static_cast<int>(AssetRole::ClassicSelector);
            return strip(b[buttonAfter(PanelButton::Classic, step)], 8);
        }
        case AssetRole::NextBar: return {l.nextBarRect.width, l.nextBarRect.height};
        case AssetRole::StatusOff: return {l.statusOffRect.width, l.statusOffRect.height};
        case AssetRole::StatusLines: return {l.statusLineRect.width, 31 * l.statusLineRect.height};
        case AssetRole::ClockDigits: return {12 * l.clockGlyphWidth, l.clockGlyphHeight};
    }
    return {0, 0};
}

TEST_F(GeneratedAssetsTest, EveryFileIsWrittenAndOnlyTheHelpFileIsMissing) {
    EXPECT_TRUE(failedDist_.empty());
    EXPECT_TRUE(failedResources_.empty());
    LocalFiles files;
    AssetStore pictures(files, folder_->base());
    pictures.loadAll(0);
    EXPECT_EQ(checkFiles(files, folder_->base(), pictures),
              "Attention! This files were not found:\ntintfall.hlp\n\nProgram may work incorrectly");
}

TEST_F(GeneratedAssetsTest, EveryBitmapHasTheSizeItsLayoutNeeds) {
    for (int size = 0; size < 2; ++size) {
        const WindowLayout layout = applyLayout(size);
        for (int role = 0; role < kAssetRoleCount; ++role) {
            const AssetRole r = static_cast<AssetRole>(role);
            // Single-size pictures serve both layouts.
            for (int set = 0; set < kBlockSetCount; ++set) {
                const std::string name = assetFileName(r, size, set);
                const DibImage& image = cached(name);
                const Size expected = expectedSize(r, layout);
                ASSERT_FALSE(image.empty()) << name;
                EXPECT_EQ(image.bitsPerPixel(), 24) << name;
                EXPECT_EQ(image.width(), expected.width) << name << " in size " << size;
                EXPECT_EQ(image.height(), expected.height) << name << " in size " << size;
                // Each finer picture is the same picture at 2 and 3 pixels per
                // unit, paired with this very 1x file.
                for (int factor = 2; factor <= 3; ++factor) {
                    const std::string finerName = finerAssetFileName(name, factor);
                    const std::vector<std::uint8_t> finer = bytes(finerName);
                    ASSERT_GT(finer.size(), kPairStampOffset + 4) << finerName;
                    DataReader stamp(finer.data() + kPairStampOffset, 4);
                    EXPECT_EQ(stamp.readUint32(), pictureStamp(bytes(name))) << finerName;
                    const DibImage& fine = cached(finerName);
                    EXPECT_EQ(fine.width(), factor * expected.width) << finerName;
                    EXPECT_EQ(fine.height(), factor * expected.height) << finerName;
                }
            }
        }
    }
}

TEST_F(GeneratedAssetsTest, GlyphBackgroundsMatchTheBoxesTheyAreDrawnInto) {
    // The blank digit and the blank clock glyph must be invisible on the
    // window background, or the number displays would show seams.
    const DibImage& digits = cached("graph\\digits.bmp");
    const DibImage& clock = cached("graph\\tdigits.bmp");
    const DibImage& lines = cached("graph\\help.bmp");
    for (int size = 0; size < 2; ++size) {
        const WindowLayout l = applyLayout(size);
        const DibImage& back = cached(assetFileName(AssetRole::Background, size, 0));
        for (const Rect& box : {l.levelRect, l.scoreRect, l.blocksRemovedRect, l.blocksToClearRect, l.timeLeftRect,
                                l.riseCountdownRect, l.bestScoreRect}) {
            for (int y = 0; y < box.height; ++y) {
                for (int x = 0; x < box.width; ++x) {
                    ASSERT_EQ(pixel(back, box.x + x, box.y + y), pixel(digits, 150 + x % 15, y))
                        << "size " << size << " box at " << box.x << "," << box.y;
                }
            }
        }
        for (int y = 0; y < l.clockGlyphHeight; ++y) {
            for (int x = 0; x < 5 * 5 + 4; ++x) {
                ASSERT_EQ(pixel(back, l.clockAt.x + x, l.clockAt.y + y), pixel(clock, 55 + x % 5, y)) << "size " << size;
            }
        }
        // The status line's own background is the bar's colour.
        EXPECT_EQ(pixel(lines, lines.width() - 1, 0), pixel(back, l.statusLineRect.x + l.statusLineRect.width - 1, l.statusLineRect.y));
    }
}

TEST_F(GeneratedAssetsTest, StateFramesLookDifferent) {
    for (const char* name : {"graph\\bstart.bmp", "graph\\bexit.bmp", "graph\\bmin.bmp", "graph\\bbombon.bmp"}) {
        const DibImage& image = cached(name);
        const int w = image.width() / 3;
        EXPECT_FALSE(sameRegion(image, 0, image, w, w)) << name << ": hover";
        EXPECT_FALSE(sameRegion(image, 0, image, 2 * w, w)) << name << ": pressed";
    }
    const DibImage& selector = cached("graph\\bdif2.bmp");
    for (int a = 0; a < 8; ++a) {
        for (int b = a + 1; b < 8; ++b) EXPECT_FALSE(sameRegion(selector, a * 46, selector, b * 46, 46)) << a << " " << b;
    }
    EXPECT_FALSE(sameRegion(cached("graph\\bpausex.bmp"), 0, cached("graph\\bpauseof.bmp"), 0, 79));
    EXPECT_FALSE(sameRegion(cached("graph\\bbombxon.bmp"), 0, cached("graph\\bbombxof.bmp"), 0, 30));
}

TEST_F(GeneratedAssetsTest, BlockSetsDifferAndEveryCellIsDistinct) {
    for (int size = 0; size < 2; ++size) {
        const int cell = applyLayout(size).cellWidth;
        std::set<std::vector<std::uint8_t>> sets;
        for (int set = 0; set < kBlockSetCount; ++set) {
            const DibImage& strip = cached(assetFileName(AssetRole::BlockCells, size, set));
            sets.insert(strip.block());
            for (int a = 0; a < 9; ++a) {
                for (int b = a + 1; b < 9; ++b) {
                    EXPECT_FALSE(sameRegion(strip, a * cell, strip, b * cell, cell)) << "set " << set << " cells " << a << " " << b;
                }
            }
        }
        EXPECT_EQ(sets.size(), 12u);
    }
}

TEST_F(GeneratedAssetsTest, RemovalAnimationFadesTowardsTheBackground) {
    // Count the pixels of each step that differ from the gap around the
    // blocks (the corner of the last step, where the block has shrunk away):
    // they must get fewer from step to step.
    for (int set : {0, 4, 11}) {
        const DibImage& strip = cached(assetFileName(AssetRole::RemovalAnimation, 0, set));
        for (int colour = 0; colour < 6; ++colour) {
            const std::uint32_t gap = pixel(strip, (24 + colour) * 32, 0);
            int previous = 32 * 30 + 1;
            for (int k = 0; k < 5; ++k) {
                int lit = 0;
                for (int y = 0; y < 30; ++y) {
                    for (int x = 0; x < 32; ++x) {
                        const std::uint32_t p = pixel(strip, (6 * k + colour) * 32 + x, y);
                        const int delta = std::abs(static_cast<int>(p & 0xFF) - static_cast<int>(gap & 0xFF)) +
                                          std::abs(static_cast<int>((p >> 8) & 0xFF) - static_cast<int>((gap >> 8) & 0xFF)) +
                                          std::abs(static_cast<int>(p >> 16) - static_cast<int>(gap >> 16));
                        lit += delta > 60;
                    }
                }
                EXPECT_LT(lit, previous) << "set " << set << " colour " << colour << " step " << k;
                previous = lit;
            }
            EXPECT_LT(previous, 32 * 30 / 10) << "set " << set << " colour " << colour;
        }
    }
}

TEST_F(GeneratedAssetsTest, ResourcePicturesHaveTheirSizesAndDepths) {
    struct Expected {
        std::string name;
        int width, height, bits;
    };
    std::vector<Expected> expected = {{assetgen::ResourceNames::aboutLogo, 140, 93, 8},
                                      {assetgen::ResourceNames::flagNetherlands, 70, 45, 4},
                                      {assetgen::ResourceNames::flagBelgium, 70, 45, 4},
                                      {assetgen::ResourceNames::champion(1), 125, 122, 8},
                                      {assetgen::ResourceNames::champion(2), 125, 97, 8},
                                      {assetgen::ResourceNames::champion(3), 125, 77, 8}};
    for (int set = 0; set < 12; ++set) expected.push_back({assetgen::ResourceNames::blockSetPreview(set), 130, 20, 8});
    std::set<std::vector<std::uint8_t>> previews;
    for (const Expected& e : expected) {
        const DibImage image = bitmap("res/" + e.name);
        ASSERT_FALSE(image.empty()) << e.name;
        EXPECT_EQ(image.width(), e.width) << e.name;
        EXPECT_EQ(image.height(), e.height) << e.name;
        EXPECT_EQ(image.bitsPerPixel(), e.bits) << e.name;
        EXPECT_GE(image.colourCount(), 2u) << e.name;
        EXPECT_LE(image.colourCount(), 1u << e.bits) << e.name;
        if (e.name.rfind("blockset", 0) == 0) previews.insert(image.block());
    }
    EXPECT_EQ(previews.size(), 12u);
}

TEST_F(GeneratedAssetsTest, IconHoldsTwoSizesAndTheCursorPointsWithItsFingertip) {
    const std::vector<std::uint8_t> icon = bytes("res/" + std::string(assetgen::ResourceNames::icon));
    DataReader ico(icon);
    EXPECT_EQ(ico.readUint16(), 0);
    EXPECT_EQ(ico.readUint16(), 1);
    ASSERT_EQ(ico.readUint16(), 2);
    std::set<int> sizes;
    for (int i = 0; i < 2; ++i) {
        const int w = ico.readByte();
        const int h = ico.readByte();
        ico.skip(2);
        EXPECT_EQ(ico.readUint16(), 1);   // planes
        EXPECT_EQ(ico.readUint16(), 32);  // bits
        const std::uint32_t length = ico.readUint32();
        const std::uint32_t offset = ico.readUint32();
        EXPECT_EQ(w, h);
        EXPECT_LE(offset + length, icon.size());
        EXPECT_EQ(length, 40u + static_cast<std::uint32_t>(w * h * 4) + static_cast<std::uint32_t>(h * 4)) << w;
        sizes.insert(w);
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 32}));

    const std::vector<std::uint8_t> cursor = bytes("res/" + std::string(assetgen::ResourceNames::cursor));
    DataReader cur(cursor);
    EXPECT_EQ(cur.readUint16(), 0);
    EXPECT_EQ(cur.readUint16(), 2);
    ASSERT_EQ(cur.readUint16(), 1);
    EXPECT_EQ(cur.readByte(), 32);
    EXPECT_EQ(cur.readByte(), 32);
    cur.skip(2);
    const int hotX = cur.readUint16();
    const int hotY = cur.readUint16();
    cur.skip(4);
    const std::uint32_t offset = cur.readUint32();
    ASSERT_TRUE(cur.ok());
    // The hotspot pixel and the one below it are drawn (opaque, mask bit
    // clear), the pixel above the tip is transparent.
    auto alphaAt = [&](int x, int y) {
        const std::size_t at = offset + 40 + static_cast<std::size_t>((31 - y) * 32 + x) * 4 + 3;
        return at < cursor.size() ? cursor[at] : 0;
    };
    auto maskAt = [&](int x, int y) {
        const std::size_t at = offset + 40 + 32 * 32 * 4 + static_cast<std::size_t>(31 - y) * 4 + static_cast<std::size_t>(x / 8);
        return at < cursor.size() ? (cursor[at] >> (7 - x % 8)) & 1 : 1;
    };
    EXPECT_GT(alphaAt(hotX, hotY + 1), 128);
    EXPECT_EQ(maskAt(hotX, hotY + 1), 0);
    EXPECT_GT(alphaAt(hotX, hotY), 0);
    EXPECT_GT(hotY, 0);
    EXPECT_EQ(alphaAt(hotX, hotY - 1), 0);
    EXPECT_EQ(alphaAt(0, 0), 0);
    EXPECT_EQ(maskAt(0, 0), 1);
}

TEST_F(GeneratedAssetsTest, SoundsAreShortDistinctPcmWaves) {
    std::set<std::vector<std::uint8_t>> distinct;
    for (const char* name : defaultSoundNames()) {
        const std::vector<std::uint8_t> wave = bytes(name);
        DataReader r(wave);
        EXPECT_EQ(r.readUint32(), 0x46464952u) << name;  // "RIFF"
        EXPECT_EQ(r.readUint32(), wave.size() - 8) << name;
        EXPECT_EQ(r.readUint32(), 0x45564157u) << name;  // "WAVE"
        r.skip(8);
        EXPECT_EQ(r.readUint16(), 1) << name;   // PCM
        EXPECT_EQ(r.readUint16(), 1) << name;   // mono
        const std::uint32_t rate = r.readUint32();
        r.skip(6);
        EXPECT_EQ(r.readUint16(), 16) << name;
        r.skip(4);
        const std::uint32_t dataBytes = r.readUint32();
        ASSERT_TRUE(r.ok()) << name;
        EXPECT_EQ(dataBytes, r.remaining()) << name;
        const double seconds = dataBytes / 2.0 / rate;
        EXPECT_GT(seconds, 0.02) << name;
        EXPECT_LT(seconds, 1.5) << name;
        int peak = 0;
        while (!r.atEnd()) peak = std::max(peak, std::abs(static_cast<int>(static_cast<std::int16_t>(r.readUint16()))));
        EXPECT_GT(peak, 8000) << name;
        distinct.insert(wave);
    }
    EXPECT_EQ(distinct.size(), 16u);
}

}  // namespace
}  // namespace tintfall
