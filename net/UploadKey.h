#pragma once
// The installation's upload key: 32 lower-case hex digits drawn once from the
// system's cryptographic random source, kept in "uploadkey.dat" and never
// changed afterwards. It names the uploads on the table server, so only
// characters safe in a file name.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "platform/SecureRandom.h"

namespace tintfall {

inline constexpr const char* kUploadKeyFileName = "uploadkey.dat";
inline constexpr const char* kUploadKeyHeader = "TINTFALL_UPLOADKEY_FILE";
inline constexpr std::size_t kUploadKeyLength = 32;

bool isValidUploadKey(const std::string& key);

std::vector<std::uint8_t> encodeUploadKey(const std::string& key);
// The key, or nothing for another header, a key that is not valid or bytes
// after it.
std::optional<std::string> parseUploadKey(const std::uint8_t* data, std::size_t size);

// A new key from the random source; nothing when the source fails.
std::optional<std::string> makeUploadKey(SecureRandom& random);

// The stored key, or a new one that is stored for the next runs. A damaged
// key file is kept aside as "uploadkey.dat.damaged" (then .damaged2, ...,
// never over an earlier one). Empty only when the random source fails.
std::string loadOrCreateUploadKey(Files& files, SecureRandom& random, const std::string& baseFolder);

}  // namespace tintfall
