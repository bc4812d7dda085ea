#include <gtest/gtest.h>

#include <algorithm>

#include "HelpFileReader.h"
#include "tools/helpc/ContextHash.h"
#include "tools/helpc/ParagraphEncoder.h"

using namespace tintfall;
using namespace tintfall::help;
using readback::decodeCompressedSignedLong;
using readback::decodeCompressedSignedShort;
using readback::decodeCompressedUnsignedShort;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes unsignedShort(std::uint16_t value) {
    DataWriter writer;
    writeCompressedUnsignedShort(writer, value);
    return writer.bytes();
}

Bytes signedShort(std::int16_t value) {
    DataWriter writer;
    writeCompressedSignedShort(writer, value);
    return writer.bytes();
}

Bytes signedLong(std::int32_t value) {
    DataWriter writer;
    writeCompressedSignedLong(writer, value);
    return writer.bytes();
}

// The commands of a formatting part, after its paragraph settings.
struct Commands {
    std::vector<std::uint8_t> codes;
    std::vector<std::uint16_t> fonts;
    std::vector<std::int32_t> jumps;
    std::uint32_t topicLength = 0;
    std::int64_t topicSize = 0;
    std::size_t bytesAfterLength = 0;
    bool ok = false;
};

Commands readCommands(const Bytes& formatting) {
    Commands result;
    DataReader reader(formatting);
    result.topicSize = decodeCompressedSignedLong(reader);
    result.topicLength = decodeCompressedUnsignedShort(reader);
    result.bytesAfterLength = reader.remaining();
    reader.skip(4);
    const std::uint16_t bits = reader.readUint16();
    if (bits & 0x0002) decodeCompressedSignedShort(reader);
    if (bits & 0x0010) decodeCompressedSignedShort(reader);
    while (reader.ok() && !reader.atEnd()) {
        const std::uint8_t code = reader.readByte();
        result.codes.push_back(code);
        if (code == 0x80) result.fonts.push_back(reader.readUint16());
        if (code == 0xE3) result.jumps.push_back(reader.readInt32());
        if (code == 0xFF) break;
    }
    result.ok = reader.ok() && reader.atEnd();
    return result;
}

std::size_t nulCount(const Bytes& text) { return static_cast<std::size_t>(std::count(text.begin(), text.end(), 0)); }

HelpParagraph paragraphOf(ParagraphKind kind, std::vector<std::vector<HelpSpan>> lines) {
    HelpParagraph paragraph;
    paragraph.kind = kind;
    paragraph.lines = std::move(lines);
    return paragraph;
}

}  // namespace

TEST(CompressedNumbers, SwitchToTheLongFormAtTheirLimits) {
    EXPECT_EQ(unsignedShort(0), (Bytes{0x00}));
    EXPECT_EQ(unsignedShort(127), (Bytes{0xFE}));
    EXPECT_EQ(unsignedShort(128), (Bytes{0x01, 0x01}));
    EXPECT_EQ(unsignedShort(0x7FFF), (Bytes{0xFF, 0xFF}));

    EXPECT_EQ(signedShort(-64), (Bytes{0x00}));
    EXPECT_EQ(signedShort(63), (Bytes{0xFE}));
    EXPECT_EQ(signedShort(64).size(), 2u);
    EXPECT_EQ(signedShort(-65).size(), 2u);

    EXPECT_EQ(signedLong(11), (Bytes{0x16, 0x80}));
    EXPECT_EQ(signedLong(-16384), (Bytes{0x00, 0x00}));
    EXPECT_EQ(signedLong(16383), (Bytes{0xFE, 0xFF}));
    EXPECT_EQ(signedLong(16384).size(), 4u);
}

TEST(CompressedNumbers, ReadBackToTheSameValues) {
    for (std::uint16_t value : {0, 1, 127, 128, 4000, 0x7FFF}) {
        Bytes bytes = unsignedShort(value);
        DataReader reader(bytes);
        EXPECT_EQ(decodeCompressedUnsignedShort(reader), value);
    }
    for (std::int16_t value : {-64, -1, 0, 63, 64, 120, 0x3FFF}) {
        Bytes bytes = signedShort(value);
        DataReader reader(bytes);
        EXPECT_EQ(decodeCompressedSignedShort(reader), value);
    }
    for (std::int32_t value : {-16384, 0, 16383, 16384, 1000000}) {
        Bytes bytes = signedLong(value);
        DataReader reader(bytes);
        EXPECT_EQ(decodeCompressedSignedLong(reader), value);
    }
}

TEST(ParagraphEncoder, TitleMatchesTheReferenceRecord) {
    // The heading record of a file the viewer is known to show, with the
    // title font at index 2 here.
    const EncodedParagraph title = encodeTitle("First topic");
    EXPECT_EQ(title.formatting, (Bytes{0x16, 0x80, 0x1C, 0x00, 0x80, 0x00, 0x00, 0x00, 0x00, 0x80, 0x02, 0x00, 0x82, 0xFF}));
    const std::string text("\0First topic\0\0", 14);
    EXPECT_EQ(title.text, Bytes(text.begin(), text.end()));
}

TEST(ParagraphEncoder, JumpTextIsItsOwnSegmentBetweenJumpAndHotspotEnd) {
    const auto encoded = encodeParagraph(paragraphOf(
        ParagraphKind::Body,
        {{{"Plain text. See ", false, {}, 1}, {"the second topic", false, "TOPIC_TWO", 1}, {".", false, {}, 1}}}));
    const std::string text("\0Plain text. See \0the second topic\0.\0\0", 38);
    EXPECT_EQ(encoded.text, Bytes(text.begin(), text.end()));

    const Commands commands = readCommands(encoded.formatting);
    ASSERT_TRUE(commands.ok);
    EXPECT_EQ(commands.codes, (Bytes{0x80, 0xE3, 0x89, 0x82, 0xFF}));
    EXPECT_EQ(commands.jumps, (std::vector<std::int32_t>{0x402AAE0E}));
}

TEST(ParagraphEncoder, EveryCommandHasOneSegmentAndLengthsAgree) {
    const std::vector<HelpParagraph> paragraphs{
        paragraphOf(ParagraphKind::Body, {{{"a ", false, {}, 1}, {"bold", true, {}, 1}, {" b", false, {}, 1}}}),
        paragraphOf(ParagraphKind::Heading, {{{"Heading", false, {}, 1}}}),
        paragraphOf(ParagraphKind::Bullet, {{{"item ", false, {}, 1}, {"jump", true, "x", 1}}}),
        paragraphOf(ParagraphKind::Fixed, {{{"row 1", false, {}, 1}}, {}, {{"row 3", true, {}, 3}}}),
    };
    for (const auto& paragraph : paragraphs) {
        const EncodedParagraph encoded = encodeParagraph(paragraph);
        const Commands commands = readCommands(encoded.formatting);
        ASSERT_TRUE(commands.ok);
        EXPECT_EQ(nulCount(encoded.text), commands.codes.size());
        EXPECT_EQ(commands.topicLength, encoded.text.size());
        EXPECT_EQ(commands.topicSize, static_cast<std::int64_t>(commands.bytesAfterLength));
        ASSERT_GE(commands.codes.size(), 3u);
        EXPECT_EQ(commands.codes.front(), 0x80) << "every paragraph starts by choosing its font";
        EXPECT_EQ(commands.codes[commands.codes.size() - 2], 0x82);
        EXPECT_EQ(commands.codes.back(), 0xFF);
    }
}

TEST(ParagraphEncoder, BoldSwitchesFontsAndFixedLinesBreak) {
    const auto body = readCommands(encodeParagraph(paragraphOf(
        ParagraphKind::Body, {{{"a ", false, {}, 1}, {"bold", true, {}, 1}, {" b", false, {}, 1}}})).formatting);
    EXPECT_EQ(body.fonts, (std::vector<std::uint16_t>{0, 1, 0}));

    const auto fixed = readCommands(
        encodeParagraph(paragraphOf(ParagraphKind::Fixed, {{{"one", false, {}, 1}}, {{"two", false, {}, 2}}})).formatting);
    EXPECT_EQ(fixed.codes, (Bytes{0x80, 0x81, 0x82, 0xFF}));
    EXPECT_EQ(fixed.fonts, (std::vector<std::uint16_t>{4}));
}

TEST(ParagraphEncoder, BulletStartsWithABulletCharacter) {
    const auto encoded = encodeParagraph(paragraphOf(ParagraphKind::Bullet, {{{"item", false, {}, 1}}}));
    const std::string text(encoded.text.begin(), encoded.text.end());
    EXPECT_EQ(text, std::string("\0\x95 item\0\0", 9));
}
