#include <gtest/gtest.h>

#include "platform/DataReader.h"
#include "platform/DataWriter.h"

using namespace tintfall;

namespace {

std::vector<std::uint8_t> encodeText(const std::string& text) {
    DataWriter writer;
    writer.writeText(text);
    return writer.bytes();
}

}  // namespace

TEST(DataCodec, IntegersAreLittleEndianTwosComplement) {
    DataWriter writer;
    writer.writeInt32(155);
    writer.writeInt32(-1);
    writer.writeInt32(0x12345678);
    const std::vector<std::uint8_t> expected{0x9B, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0x78, 0x56, 0x34, 0x12};
    EXPECT_EQ(writer.bytes(), expected);

    DataReader reader(writer.bytes());
    EXPECT_EQ(reader.readInt32(), 155);
    EXPECT_EQ(reader.readInt32(), -1);
    EXPECT_EQ(reader.readInt32(), 0x12345678);
    EXPECT_TRUE(reader.ok());
    EXPECT_TRUE(reader.atEnd());
}

TEST(DataCodec, TextPrefixSwitchesAtEachBoundary) {
    // 254 characters fit the one-byte prefix; 255 take the 0xFF escape.
    EXPECT_EQ(encodeText(std::string(254, 'a')).size(), 1u + 254u);
    EXPECT_EQ(encodeText(std::string(254, 'a'))[0], 254);

    const auto escaped = encodeText(std::string(255, 'b'));
    ASSERT_EQ(escaped.size(), 3u + 255u);
    EXPECT_EQ(escaped[0], 0xFF);
    EXPECT_EQ(escaped[1], 0xFF);
    EXPECT_EQ(escaped[2], 0x00);

    EXPECT_EQ(encodeText(std::string(0xFFFD, 'c')).size(), 3u + 0xFFFDu);

    const auto wide = encodeText(std::string(0xFFFE, 'd'));
    ASSERT_EQ(wide.size(), 7u + 0xFFFEu);
    EXPECT_EQ(wide[1], 0xFF);
    EXPECT_EQ(wide[2], 0xFF);
    EXPECT_EQ(wide[3], 0xFE);
    EXPECT_EQ(wide[4], 0xFF);
}

TEST(DataCodec, TextsOfEveryPrefixFormRoundTrip) {
    for (std::size_t length : {0u, 1u, 254u, 255u, 256u, 0xFFFDu, 0xFFFEu, 0x10005u}) {
        std::string text(length, 'x');
        for (std::size_t i = 0; i < length; ++i) text[i] = static_cast<char>('A' + i % 26);
        const auto bytes = encodeText(text);
        DataReader reader(bytes);
        EXPECT_EQ(reader.readText(), text) << length;
        EXPECT_TRUE(reader.ok());
        EXPECT_TRUE(reader.atEnd());
    }
}

TEST(DataCodec, ReadingPastTheEndFailsAndStaysFailed) {
    const std::vector<std::uint8_t> three{1, 2, 3};
    DataReader reader(three);
    EXPECT_EQ(reader.readInt32(), 0);
    EXPECT_FALSE(reader.ok());
    EXPECT_EQ(reader.readByte(), 0);  // no byte is handed out once failed
    EXPECT_EQ(reader.position(), 0u);
}

TEST(DataCodec, LengthPrefixLongerThanTheRestIsRefused) {
    // Claims 0xFFFFFFF0 characters with four present: refused, nothing allocated.
    const std::vector<std::uint8_t> bytes{0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0xFF, 'a', 'b', 'c', 'd'};
    DataReader reader(bytes);
    EXPECT_EQ(reader.readText(), "");
    EXPECT_FALSE(reader.ok());

    const std::vector<std::uint8_t> shortText{5, 'a', 'b'};
    DataReader second(shortText);
    EXPECT_EQ(second.readText(), "");
    EXPECT_FALSE(second.ok());
}

TEST(DataCodec, HeaderComparisonIsExactAndCaseSensitive) {
    const auto bytes = encodeText("TINTFALL_OPTIONS_FILE");
    DataReader exact(bytes);
    EXPECT_TRUE(exact.expectText("TINTFALL_OPTIONS_FILE"));
    DataReader other(bytes);
    EXPECT_FALSE(other.expectText("tintfall_options_file"));
    DataReader prefix(bytes);
    EXPECT_FALSE(prefix.expectText("TINTFALL_OPTIONS"));
}
