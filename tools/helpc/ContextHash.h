#pragma once
// Topics are found by a hash of their context name: the viewer never sees the
// names, only these numbers (in the context table and in every jump).
#include <cstdint>
#include <string>

namespace tintfall::help {

// Letters (either case) count 17..42, digits 1..9 count 1..9 and 0 counts 10,
// '.' 12 and '_' 13; h = h * 43 + value with 32-bit wrap-around.
std::int32_t contextHash(const std::string& name);

// Non-empty and made only of the characters the hash counts; other
// characters would be skipped and make different names collide.
bool isValidContextName(const std::string& name);

}  // namespace tintfall::help
