#pragma once
// Turns the bitmap forms that are not drawn from the file as they are
// (run-length encoded, 16-bit, bit-field and top-down images) into the plain
// form: a 40-byte information header, the colour table, and uncompressed
// rows stored bottom-up. Run-length images become 8 bits per pixel with
// their own colour table made up to 256 entries, 16-bit and bit-field images
// 24 bits without one; the others keep their depth and table.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "shell/DibHeader.h"

namespace tintfall {

// Whether decodeToPlain gives a block for a block of size bytes with this
// header: the header and the size alone decide, as run-length data that
// ends early or runs outside the image still decodes.
bool canDecode(const DibHeader& header, std::uint64_t size);

// The new block, or an empty one when canDecode says no: the pixel rows
// reach past the end of the block or the image would be larger than
// kMaxDecodedBytes.
std::vector<std::uint8_t> decodeToPlain(const DibHeader& header, const std::uint8_t* block, std::size_t size);

// Pixel bytes a decoded image may take; the pictures of the program and the
// ones players put in their place stay far below.
constexpr std::size_t kMaxDecodedBytes = 32u * 1024u * 1024u;

}  // namespace tintfall
