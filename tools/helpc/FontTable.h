#pragma once
// The fonts every paragraph chooses from, and the |FONT internal file that
// lists them for the viewer.
#include <cstdint>
#include <vector>

namespace tintfall::help {

enum class HelpFont : std::uint16_t {
    Body = 0,
    BodyBold = 1,
    Title = 2,
    Heading = 3,
    Fixed = 4,
    FixedBold = 5,
};

// Facenames, then one 11-byte descriptor per HelpFont in enum order.
std::vector<std::uint8_t> fontFile();

}  // namespace tintfall::help
