#include "tools/helpc/ParagraphEncoder.h"

#include <algorithm>

#include "tools/helpc/ContextHash.h"
#include "tools/helpc/FontTable.h"

namespace tintfall::help {

namespace {

enum Command : std::uint8_t {
    kFontChange = 0x80,
    kLineBreak = 0x81,
    kEndOfParagraph = 0x82,
    kEndOfHotspot = 0x89,
    kJump = 0xE3,
    kEndOfCommands = 0xFF,
};

// Paragraph settings that carry a value (compressed signed short).
constexpr std::uint16_t kSpaceAbove = 0x0002;
constexpr std::uint16_t kLeftIndent = 0x0010;

struct ParagraphStyle {
    std::uint16_t bits;
    std::int16_t spaceAbove;
    std::int16_t leftIndent;
    HelpFont font;
    HelpFont boldFont;
};

ParagraphStyle styleOf(ParagraphKind kind) {
    switch (kind) {
        case ParagraphKind::Heading: return {kSpaceAbove, 20, 0, HelpFont::Heading, HelpFont::Heading};
        case ParagraphKind::Bullet: return {kSpaceAbove | kLeftIndent, 4, 20, HelpFont::Body, HelpFont::BodyBold};
        case ParagraphKind::Fixed: return {kSpaceAbove | kLeftIndent, 10, 20, HelpFont::Fixed, HelpFont::FixedBold};
        case ParagraphKind::Body: break;
    }
    return {kSpaceAbove, 10, 0, HelpFont::Body, HelpFont::BodyBold};
}

// Collects commands and text segments so that exactly one segment (perhaps
// empty) precedes every command, as the viewer reads them in pairs.
class ParagraphBuilder {
public:
    void text(const std::string& value) { segment_ += value; }

    void command(std::uint8_t code) {
        endSegment();
        commands_.writeByte(code);
    }

    void font(HelpFont font) {
        if (font == current_) return;
        command(kFontChange);
        commands_.writeUint16(static_cast<std::uint16_t>(font));
        current_ = font;
    }

    void jump(std::int32_t hash) {
        command(kJump);
        commands_.writeInt32(hash);
    }

    EncodedParagraph finish(const ParagraphStyle& style) {
        command(kEndOfParagraph);
        command(kEndOfCommands);

        DataWriter tail;  // everything after the text length
        tail.writeByte(0x00);
        tail.writeByte(0x80);
        tail.writeUint16(0);  // paragraph id
        tail.writeUint16(style.bits);
        if (style.bits & kSpaceAbove) writeCompressedSignedShort(tail, style.spaceAbove);
        if (style.bits & kLeftIndent) writeCompressedSignedShort(tail, style.leftIndent);
        tail.writeBytes(commands_.bytes());

        DataWriter head;
        writeCompressedSignedLong(head, static_cast<std::int32_t>(tail.bytes().size()));
        writeCompressedUnsignedShort(head, static_cast<std::uint16_t>(segments_.size()));
        head.writeBytes(tail.bytes());
        return {head.bytes(), std::vector<std::uint8_t>(segments_.begin(), segments_.end())};
    }

private:
    void endSegment() {
        segments_ += segment_;
        segments_ += '\0';
        segment_.clear();
    }

    DataWriter commands_;
    std::string segments_;
    std::string segment_;
    // No font is chosen until the first change, which every paragraph makes.
    HelpFont current_ = static_cast<HelpFont>(0xFFFF);
};

void encodeSpans(ParagraphBuilder& builder, const std::vector<HelpSpan>& spans, const ParagraphStyle& style) {
    for (const auto& span : spans) {
        builder.font(span.bold ? style.boldFont : style.font);
        if (span.jumpTarget.empty()) {
            builder.text(span.text);
        } else {
            builder.jump(contextHash(span.jumpTarget));
            builder.text(span.text);
            builder.command(kEndOfHotspot);
        }
    }
}

}  // namespace

void writeCompressedUnsignedShort(DataWriter& writer, std::uint16_t value) {
    if (value < 0x80) {
        writer.writeByte(static_cast<std::uint8_t>(value * 2));
    } else {
        writer.writeUint16(static_cast<std::uint16_t>(std::min<std::uint32_t>(value, 0x7FFF) * 2 + 1));
    }
}

void writeCompressedSignedShort(DataWriter& writer, std::int16_t value) {
    if (value >= -0x40 && value < 0x40) {
        writer.writeByte(static_cast<std::uint8_t>((value + 0x40) * 2));
    } else {
        const std::int32_t clamped = std::max<std::int32_t>(-0x4000, std::min<std::int32_t>(value, 0x3FFF));
        writer.writeUint16(static_cast<std::uint16_t>((clamped + 0x4000) * 2 + 1));
    }
}

void writeCompressedSignedLong(DataWriter& writer, std::int32_t value) {
    if (value >= -0x4000 && value < 0x4000) {
        writer.writeUint16(static_cast<std::uint16_t>((value + 0x4000) * 2));
    } else {
        const std::int64_t clamped = std::max<std::int64_t>(-0x40000000LL, std::min<std::int64_t>(value, 0x3FFFFFFFLL));
        writer.writeUint32(static_cast<std::uint32_t>((clamped + 0x40000000LL) * 2 + 1));
    }
}

EncodedParagraph encodeTitle(const std::string& title) {
    ParagraphBuilder builder;
    builder.font(HelpFont::Title);
    builder.text(title);
    return builder.finish({0, 0, 0, HelpFont::Title, HelpFont::Title});
}

EncodedParagraph encodeParagraph(const HelpParagraph& paragraph) {
    const ParagraphStyle style = styleOf(paragraph.kind);
    ParagraphBuilder builder;
    builder.font(style.font);
    if (paragraph.kind == ParagraphKind::Bullet) builder.text("\x95 ");
    for (std::size_t i = 0; i < paragraph.lines.size(); ++i) {
        if (i > 0) builder.command(kLineBreak);
        encodeSpans(builder, paragraph.lines[i], style);
    }
    return builder.finish(style);
}

}  // namespace tintfall::help
