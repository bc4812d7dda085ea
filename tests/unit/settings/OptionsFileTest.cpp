#include <gtest/gtest.h>

#include <cctype>

#include "settings/OptionsFile.h"
#include "tests/support/MemoryFiles.h"
#include "tests/unit/scores/FileBytes.h"

using namespace tintfall;

namespace {

const std::string kBase = "C:\\Games\\";
const std::string kOptionsPath = "C:\\Games\\tintfall.dat";

// Every field different from its default and from the others, so a field
// read into the wrong place shows.
GameSettings distinctSettings() {
    GameSettings s;
    s.resetToDefaults("D:\\x\\");
    s.gameMode = 2;
    s.colourCount = 6;
    s.blockCountCode = 1;
    s.bombsEnabled = 0;
    s.demolitionDelay = 11;
    s.levelAnimationDelay = 12;
    s.blockSet = 3;
    s.startLevelIndex = 19;
    s.showNextBar = 0;
    s.userColour = 0x00123456;
    s.fieldBackground = FantasyField;
    s.animateTitle = 0;
    s.showStatusBar = 0;
    s.keyDelay = {21, 22, 23, 24, 25, 0};
    s.keyCode = {65, 66, 67, 68, 69, 80};
    s.soundOn = 0;
    for (int i = 0; i < kSoundEventCount; ++i) s.soundEventOn[i] = i % 2;
    for (int i = 0; i < kSoundSlotCount; ++i) s.soundFile[i] = "path" + std::to_string(i);
    return s;
}

void expectSameSettings(const GameSettings& a, const GameSettings& b) {
    EXPECT_EQ(a.gameMode, b.gameMode);
    EXPECT_EQ(a.colourCount, b.colourCount);
    EXPECT_EQ(a.blockCountCode, b.blockCountCode);
    EXPECT_EQ(a.bombsEnabled, b.bombsEnabled);
    EXPECT_EQ(a.demolitionDelay, b.demolitionDelay);
    EXPECT_EQ(a.levelAnimationDelay, b.levelAnimationDelay);
    EXPECT_EQ(a.blockSet, b.blockSet);
    EXPECT_EQ(a.startLevelIndex, b.startLevelIndex);
    EXPECT_EQ(a.showNextBar, b.showNextBar);
    EXPECT_EQ(a.userColour, b.userColour);
    EXPECT_EQ(a.fieldBackground, b.fieldBackground);
    EXPECT_EQ(a.animateTitle, b.animateTitle);
    EXPECT_EQ(a.showStatusBar, b.showStatusBar);
    for (int action = 0; action < kPlayActionCount; ++action) EXPECT_EQ(a.keyDelay[action], b.keyDelay[action]);
    EXPECT_EQ(a.keyCode, b.keyCode);
    EXPECT_EQ(a.soundOn, b.soundOn);
    EXPECT_EQ(a.soundEventOn, b.soundEventOn);
    EXPECT_EQ(a.soundFile, b.soundFile);
}

std::vector<std::uint8_t> expectedFixedPartOfDefaults() {
    std::vector<std::uint8_t> bytes{0x15};
    const std::string header = "TINTFALL_OPTIONS_FILE";
    bytes.insert(bytes.end(), header.begin(), header.end());
    const std::int32_t values[] = {
        155,                      // format
        0, 1, 5, 0,               // mode, bombs, colours, block count code
        50, 8, 1, 0, 0,           // demolition, level animation, next bar, user colour, background
        37, 39, 40, 32, 38,       // keys: left, right, down, drop, rotate
        50, 50, 50, 1000, 100,    // delays in the same order
        11, 1, 0, 1, 1,           // block set, title animation, start level, status bar, sound on
        1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
    };
    for (std::int32_t value : values)
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    return bytes;
}

}  // namespace

TEST(OptionsFile, FirstStartWritesTheDefaultsInTheFixedLayout) {
    MemoryFiles files;
    GameSettings settings;
    EXPECT_EQ(loadOptionsAtStartUp(files, kBase, settings), OptionsStartUp::CreatedDefaults);
    ASSERT_TRUE(files.exists(kOptionsPath));
    const std::vector<std::uint8_t>& bytes = files.contents[kOptionsPath];

    const std::vector<std::uint8_t> fixed = expectedFixedPartOfDefaults();
    ASSERT_EQ(fixed.size(), 170u);
    ASSERT_GE(bytes.size(), fixed.size());
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 170), fixed);

    std::size_t offset = 170;
    for (const char* name : defaultSoundNames()) {
        const std::string path = kBase + name;
        ASSERT_EQ(bytes.at(offset), path.size());
        EXPECT_EQ(std::string(bytes.begin() + static_cast<std::ptrdiff_t>(offset) + 1,
                              bytes.begin() + static_cast<std::ptrdiff_t>(offset + 1 + path.size())),
                  path);
        offset += 1 + path.size();
    }
    EXPECT_EQ(int32At(bytes, offset), 19);
    EXPECT_EQ(bytes.size(), offset + 4);
    EXPECT_EQ(settings.soundFile[0], "C:\\Games\\snd\\button.wav");
}

TEST(OptionsFile, StartUpKeepsAValidFileAndDoesNotRewriteIt) {
    MemoryFiles files;
    const GameSettings stored = distinctSettings();
    files.contents[kOptionsPath] = encodeOptions(stored);
    files.allWritesFail = true;  // a rewrite would fail the start-up
    GameSettings settings;
    EXPECT_EQ(loadOptionsAtStartUp(files, kBase, settings), OptionsStartUp::Loaded);
    expectSameSettings(settings, stored);
}

TEST(OptionsFile, FieldsSitAtTheirOffsetsInTheirOwnOrder) {
    const GameSettings s = distinctSettings();
    const std::vector<std::uint8_t> bytes = encodeOptions(s);
    EXPECT_EQ(int32At(bytes, 26), 2);   // gameMode
    EXPECT_EQ(int32At(bytes, 30), 0);   // bombsEnabled before colourCount
    EXPECT_EQ(int32At(bytes, 34), 6);   // colourCount
    EXPECT_EQ(int32At(bytes, 38), 1);   // blockCountCode
    EXPECT_EQ(int32At(bytes, 54), 0x00123456);
    EXPECT_EQ(int32At(bytes, 58), FantasyField);
    EXPECT_EQ(int32At(bytes, 74), 69);  // DropBottom key before Rotate
    EXPECT_EQ(int32At(bytes, 78), 68);
    EXPECT_EQ(int32At(bytes, 94), 25);  // DropBottom delay before Rotate
    EXPECT_EQ(int32At(bytes, 98), 24);
    EXPECT_EQ(int32At(bytes, 102), 3);  // blockSet
    EXPECT_EQ(int32At(bytes, 110), 19); // startLevelIndex
    EXPECT_EQ(int32At(bytes, 122 + 4 * 11), 1);  // last sound event switch
    EXPECT_EQ(int32At(bytes, bytes.size() - 4), 80);  // pause key after the paths
}

TEST(OptionsFile, WriteThenReadGivesBackEveryField) {
    MemoryFiles files;
    const GameSettings stored = distinctSettings();
    ASSERT_TRUE(writeOptions(files, kBase, stored));
    GameSettings read;
    read.resetToDefaults(kBase);
    ASSERT_TRUE(readOptions(files, kBase, read));
    expectSameSettings(read, stored);
}

TEST(OptionsFile, LongSoundPathsUseTheEscapedLengthAndSurviveARoundTrip) {
    GameSettings s = distinctSettings();
    s.soundFile[0] = std::string(255, 'a');
    s.soundFile[1] = std::string(70000, 'b');
    s.soundFile[2] = std::string(254, 'c');
    const std::vector<std::uint8_t> bytes = encodeOptions(s);
    EXPECT_EQ(bytes[170], 0xFF);
    EXPECT_EQ(bytes[171], 0xFF);  // 255 as two bytes
    EXPECT_EQ(bytes[172], 0x00);
    const std::size_t second = 170 + 3 + 255;
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + second, bytes.begin() + second + 7),
              (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}));
    EXPECT_EQ(bytes[second + 7 + 70000], 254);

    GameSettings read;
    ASSERT_TRUE(parseOptions(bytes.data(), bytes.size(), read));
    expectSameSettings(read, s);
}

TEST(OptionsFile, ForeignFilesAreReplacedByDefaults) {
    GameSettings valid = distinctSettings();
    std::vector<std::uint8_t> otherFormat = encodeOptions(valid);
    otherFormat[22] = 154;
    std::vector<std::uint8_t> lowerCase = encodeOptions(valid);
    for (std::size_t i = 1; i <= 21; ++i) lowerCase[i] = static_cast<std::uint8_t>(std::tolower(lowerCase[i]));

    for (const auto& foreign : {otherFormat, lowerCase, std::vector<std::uint8_t>{}}) {
        MemoryFiles files;
        files.contents[kOptionsPath] = foreign;
        GameSettings settings = distinctSettings();
        EXPECT_FALSE(readOptions(files, kBase, settings));
        expectSameSettings(settings, distinctSettings());

        EXPECT_EQ(loadOptionsAtStartUp(files, kBase, settings), OptionsStartUp::CreatedDefaults);
        GameSettings defaults;
        defaults.resetToDefaults(kBase);
        expectSameSettings(settings, defaults);
        EXPECT_EQ(int32At(files.contents[kOptionsPath], 22), 155);
    }
}

TEST(OptionsFile, AFileThatEndsEarlyChangesNothingAndIsRewritten) {
    const std::vector<std::uint8_t> bytes = encodeOptions(distinctSettings());
    GameSettings untouched;
    untouched.resetToDefaults(kBase);
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        GameSettings settings = untouched;
        EXPECT_FALSE(parseOptions(bytes.data(), length, settings)) << "length " << length;
        expectSameSettings(settings, untouched);
    }

    MemoryFiles files;
    files.contents[kOptionsPath] = std::vector<std::uint8_t>(bytes.begin(), bytes.end() - 1);
    GameSettings settings;
    EXPECT_EQ(loadOptionsAtStartUp(files, kBase, settings), OptionsStartUp::CreatedDefaults);
    expectSameSettings(settings, untouched);
    EXPECT_EQ(files.contents[kOptionsPath], encodeOptions(untouched));
}

TEST(OptionsFile, ADamagedFileIsKeptBesideTheDefaultsThatReplaceIt) {
    const std::vector<std::uint8_t> valid = encodeOptions(distinctSettings());
    const std::vector<std::uint8_t> damaged(valid.begin(), valid.end() - 3);
    MemoryFiles files;
    files.contents[kOptionsPath] = damaged;
    files.contents[kOptionsPath + ".damaged"] = {1, 2, 3};  // kept at an earlier start
    GameSettings settings;
    EXPECT_EQ(loadOptionsAtStartUp(files, kBase, settings), OptionsStartUp::CreatedDefaults);
    EXPECT_EQ(files.contents[kOptionsPath + ".damaged"], (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(files.contents[kOptionsPath + ".damaged2"], damaged);
    EXPECT_EQ(int32At(files.contents[kOptionsPath], 22), 155);

    // A valid file and a missing one leave no copy.
    MemoryFiles clean;
    EXPECT_EQ(loadOptionsAtStartUp(clean, kBase, settings), OptionsStartUp::CreatedDefaults);
    EXPECT_EQ(loadOptionsAtStartUp(clean, kBase, settings), OptionsStartUp::Loaded);
    EXPECT_EQ(clean.contents.size(), 1u);

    // One that cannot be put aside is replaced all the same.
    MemoryFiles stuck;
    stuck.contents[kOptionsPath] = damaged;
    stuck.unwritable.insert(kOptionsPath + ".damaged");
    EXPECT_EQ(loadOptionsAtStartUp(stuck, kBase, settings), OptionsStartUp::CreatedDefaults);
    EXPECT_EQ(int32At(stuck.contents[kOptionsPath], 22), 155);
}

TEST(OptionsFile, OutOfRangeValuesAreTakenAsTheyAre) {
    GameSettings s = distinctSettings();
    s.colourCount = 99;
    s.keyDelay[MoveLeft] = -1;
    const std::vector<std::uint8_t> bytes = encodeOptions(s);
    GameSettings read;
    ASSERT_TRUE(parseOptions(bytes.data(), bytes.size(), read));
    EXPECT_EQ(read.colourCount, 99);
    EXPECT_EQ(read.keyDelay[MoveLeft], -1);
}

TEST(OptionsFile, AFileThatCannotBeCreatedStopsTheStartUp) {
    MemoryFiles files;
    files.allWritesFail = true;
    GameSettings settings;
    EXPECT_EQ(loadOptionsAtStartUp(files, kBase, settings), OptionsStartUp::CannotCreate);
    EXPECT_FALSE(writeOptions(files, kBase, settings));
    EXPECT_EQ(std::string(kOptionsCreateError), "ERROR! It is impossible to create file \"tintfall.dat\"");
}
