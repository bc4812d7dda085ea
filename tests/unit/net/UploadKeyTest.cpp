// The installation's upload key: made once, kept, and a damaged key file
// kept aside rather than overwritten.
#include <gtest/gtest.h>

#include <cstring>

#include "net/UploadKey.h"
#include "tests/support/BaseFolder.h"
#include "tests/support/CountingRandom.h"
#include "tests/support/MemoryFiles.h"

namespace tintfall {
namespace {

const std::string kKeyPath = kBaseFolder + "uploadkey.dat";

TEST(UploadKey, IsMadeOnceFromTheRandomSourceAndThenKept) {
    MemoryFiles files;
    CountingRandom random(0xf0);
    const std::string key = loadOrCreateUploadKey(files, random, kBaseFolder);
    EXPECT_EQ(key, "f0f1f2f3f4f5f6f7f8f9fafbfcfdfeff");
    const auto& bytes = files.contents.at(kKeyPath);
    ASSERT_EQ(bytes.size(), 1u + 23u + 1u + 32u);
    EXPECT_EQ(bytes[0], 23);
    EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 24), "TINTFALL_UPLOADKEY_FILE");
    EXPECT_EQ(bytes[24], 32);

    EXPECT_EQ(loadOrCreateUploadKey(files, random, kBaseFolder), key);
    EXPECT_EQ(random.calls, 1);
}

TEST(UploadKey, OnlyThirtyTwoLowerCaseHexDigitsAreAKey) {
    EXPECT_TRUE(isValidUploadKey("0123456789abcdef0123456789abcdef"));
    for (const std::string bad : {"0123456789ABCDEF0123456789abcdef", "0123456789abcdef0123456789abcde",
                                  "0123456789abcdef0123456789abcdef0", "../../../../top10.tft0000000000000",
                                  "0123456789abcdef0123456789abcde\\", ""}) {
        EXPECT_FALSE(isValidUploadKey(bad)) << bad;
    }
}

TEST(UploadKey, ADamagedFileIsKeptAsideAndANewKeyMade) {
    const std::vector<std::uint8_t> good = encodeUploadKey("00112233445566778899aabbccddeeff");
    std::vector<std::uint8_t> badDigit = good;
    badDigit.back() = 'G';
    std::vector<std::uint8_t> trailing = good;
    trailing.push_back(0);
    const std::vector<std::uint8_t> cut(good.begin(), good.end() - 1);
    const std::vector<std::uint8_t> huge(100000, 'x');

    for (const auto& damaged : {badDigit, trailing, cut, huge}) {
        MemoryFiles files;
        CountingRandom random(0);
        files.contents[kKeyPath] = damaged;
        files.contents[kKeyPath + ".damaged"] = {1, 2, 3};
        const std::string key = loadOrCreateUploadKey(files, random, kBaseFolder);
        EXPECT_EQ(key, "000102030405060708090a0b0c0d0e0f");
        EXPECT_EQ(files.contents.at(kKeyPath), encodeUploadKey(key));
        // An earlier kept copy stays as it was.
        EXPECT_EQ(files.contents.at(kKeyPath + ".damaged"), (std::vector<std::uint8_t>{1, 2, 3}));
        EXPECT_EQ(files.contents.at(kKeyPath + ".damaged2"), damaged);
    }
}

TEST(UploadKey, ADamagedFileThatCannotBeKeptAsideIsNotOverwritten) {
    MemoryFiles files;
    CountingRandom random(0);
    files.contents[kKeyPath] = {9, 9};
    files.unwritable.insert(kKeyPath + ".damaged");
    const std::string key = loadOrCreateUploadKey(files, random, kBaseFolder);
    EXPECT_TRUE(isValidUploadKey(key));
    EXPECT_EQ(files.contents.at(kKeyPath), (std::vector<std::uint8_t>{9, 9}));
}

TEST(UploadKey, AFailingRandomSourceGivesNoKeyAndWritesNothing) {
    MemoryFiles files;
    CountingRandom random(0);
    random.fails = true;
    EXPECT_EQ(loadOrCreateUploadKey(files, random, kBaseFolder), "");
    EXPECT_FALSE(files.exists(kKeyPath));
}

}  // namespace
}  // namespace tintfall
