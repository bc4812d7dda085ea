#include <gtest/gtest.h>

#include "tools/helpc/ContextHash.h"
#include "tools/helpc/Windows1252.h"

using namespace tintfall::help;

TEST(ContextHash, MatchesTheKnownValues) {
    EXPECT_EQ(contextHash("A"), 0x11);
    EXPECT_EQ(contextHash("a"), 0x11);
    EXPECT_EQ(contextHash("ab"), 0x2ED);
    EXPECT_EQ(contextHash("TOPIC_ONE"), 0x402A8864);
    EXPECT_EQ(contextHash("TOPIC_TWO"), 0x402AAE0E);
    // Names invented by a decompiler for the same two topics hash alike.
    EXPECT_EQ(contextHash("1FPC1EP"), 0x402A8864);
    EXPECT_EQ(contextHash("7_V7K0"), 0x402AAE0E);
}

TEST(ContextHash, IgnoresCaseAndWrapsAt32Bits) {
    EXPECT_EQ(contextHash("Control_Panel"), contextHash("CONTROL_PANEL"));
    // Long names wrap around; the result is the signed view of the sum.
    const std::string name = "abcdefghijklmnopqrstuvwxyz";
    std::uint32_t expected = 0;
    for (char c : name) expected = expected * 43 + static_cast<std::uint32_t>(c - 'a' + 17);
    EXPECT_EQ(contextHash(name), static_cast<std::int32_t>(expected));
    EXPECT_EQ(contextHash("zzzzzzz"), 0x49A6D9A2);
    EXPECT_EQ(contextHash("control_panel"), static_cast<std::int32_t>(0xD8850B38));
}

TEST(ContextHash, DigitsDotAndUnderscoreHaveTheirOwnValues) {
    EXPECT_EQ(contextHash("1"), 1);
    EXPECT_EQ(contextHash("9"), 9);
    EXPECT_EQ(contextHash("0"), 10);
    EXPECT_EQ(contextHash("."), 12);
    EXPECT_EQ(contextHash("_"), 13);
}

TEST(ContextHash, ValidNamesUseOnlyCountedCharacters) {
    EXPECT_TRUE(isValidContextName("a.b_0Z"));
    EXPECT_FALSE(isValidContextName(""));
    EXPECT_FALSE(isValidContextName("two words"));
    EXPECT_FALSE(isValidContextName("dash-ed"));
    EXPECT_FALSE(isValidContextName("caf\xe9"));
}

TEST(Windows1252, KeepsAsciiAndMapsTheHighRange) {
    EXPECT_EQ(utf8ToWindows1252("Plain [text]"), "Plain [text]");
    EXPECT_EQ(utf8ToWindows1252("window\xE2\x80\x99s"), "window\x92s");  // right quote
    EXPECT_EQ(utf8ToWindows1252("\xE2\x80\xA2 \xE2\x80\x93 \xE2\x82\xAC"), "\x95 \x96 \x80");
    EXPECT_EQ(utf8ToWindows1252("caf\xC3\xA9 \xC2\xA0"), "caf\xE9 \xA0");
}

TEST(Windows1252, RefusesWhatItCannotStore) {
    EXPECT_FALSE(utf8ToWindows1252("\xCE\xA9"));          // Greek capital omega
    EXPECT_FALSE(utf8ToWindows1252("\xC2\x81"));          // a C1 control, unused in the code page
    EXPECT_FALSE(utf8ToWindows1252("\xE2\x80"));          // cut short
    EXPECT_FALSE(utf8ToWindows1252("\x80"));              // a lone continuation byte
    EXPECT_FALSE(utf8ToWindows1252("\xC0\xAF"));          // overlong '/'
    EXPECT_FALSE(utf8ToWindows1252("\xF0\x9F\x98\x80"));  // outside the basic plane
}
