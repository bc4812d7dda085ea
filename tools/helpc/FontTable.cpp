#include "tools/helpc/FontTable.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "platform/DataWriter.h"

namespace tintfall::help {

namespace {

constexpr std::size_t kFacenameSize = 32;
// The viewer reads the descriptors only when the facenames start right
// after the 8-byte header.
constexpr std::uint16_t kFacenamesOffset = 8;

constexpr std::uint8_t kBold = 0x01;
constexpr std::uint8_t kSwiss = 3;
constexpr std::uint8_t kModern = 1;

struct FontDescriptor {
    std::uint8_t attributes;
    std::uint8_t halfPoints;
    std::uint8_t family;
    std::uint16_t facename;
    std::uint8_t red, green, blue;
};

const std::string kFacenames[] = {"Arial", "Courier New"};

// In HelpFont order. Titles and headings are dark blue, body text black.
constexpr FontDescriptor kFonts[] = {
    {0, 20, kSwiss, 0, 0, 0, 0},
    {kBold, 20, kSwiss, 0, 0, 0, 0},
    {kBold, 28, kSwiss, 0, 0x00, 0x20, 0x80},
    {kBold, 22, kSwiss, 0, 0x00, 0x20, 0x80},
    {0, 18, kModern, 1, 0, 0, 0},
    {kBold, 18, kModern, 1, 0, 0, 0},
};

}  // namespace

std::vector<std::uint8_t> fontFile() {
    constexpr auto faceCount = static_cast<std::uint16_t>(std::size(kFacenames));
    constexpr auto fontCount = static_cast<std::uint16_t>(std::size(kFonts));
    DataWriter writer;
    writer.writeUint16(faceCount);
    writer.writeUint16(fontCount);
    writer.writeUint16(kFacenamesOffset);
    writer.writeUint16(static_cast<std::uint16_t>(kFacenamesOffset + faceCount * kFacenameSize));
    for (const auto& name : kFacenames) {
        std::vector<std::uint8_t> field(kFacenameSize, 0);
        std::copy(name.begin(), name.end(), field.begin());
        writer.writeBytes(field);
    }
    for (const auto& font : kFonts) {
        writer.writeByte(font.attributes);
        writer.writeByte(font.halfPoints);
        writer.writeByte(font.family);
        writer.writeUint16(font.facename);
        writer.writeByte(font.red);
        writer.writeByte(font.green);
        writer.writeByte(font.blue);
        writer.writeBytes({0xFF, 0xFF, 0xFF});  // background, unused
    }
    return writer.bytes();
}

}  // namespace tintfall::help
