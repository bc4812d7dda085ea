#include "net/UploadKey.h"

#include "platform/DamagedFile.h"
#include "platform/DataReader.h"
#include "platform/DataWriter.h"

namespace tintfall {

namespace {

// A key file holds 57 bytes; anything much larger is not one.
constexpr std::size_t kKeyFileLimit = 4096;

}  // namespace

bool isValidUploadKey(const std::string& key) {
    if (key.size() != kUploadKeyLength) return false;
    for (char c : key) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    }
    return true;
}

std::vector<std::uint8_t> encodeUploadKey(const std::string& key) {
    DataWriter out;
    out.writeText(kUploadKeyHeader);
    out.writeText(key);
    return out.bytes();
}

std::optional<std::string> parseUploadKey(const std::uint8_t* data, std::size_t size) {
    DataReader in(data, size);
    if (!in.expectText(kUploadKeyHeader)) return std::nullopt;
    std::string key = in.readText();
    if (!in.ok() || !in.atEnd() || !isValidUploadKey(key)) return std::nullopt;
    return key;
}

std::optional<std::string> makeUploadKey(SecureRandom& random) {
    std::uint8_t bytes[kUploadKeyLength / 2];
    if (!random.fill(bytes, sizeof bytes)) return std::nullopt;
    static const char digits[] = "0123456789abcdef";
    std::string key;
    for (std::uint8_t b : bytes) {
        key += digits[b >> 4];
        key += digits[b & 15];
    }
    return key;
}

std::string loadOrCreateUploadKey(Files& files, SecureRandom& random, const std::string& baseFolder) {
    const std::string path = baseFolder + kUploadKeyFileName;
    const auto bytes = files.read(path, kKeyFileLimit);
    if (bytes) {
        if (auto key = parseUploadKey(bytes->data(), bytes->size())) return *key;
    }
    auto key = makeUploadKey(random);
    if (!key) return {};
    // A damaged file that cannot be kept aside stays as it is; the new key
    // then serves this run only.
    if (!keepDamagedFileAside(files, path)) return *key;
    files.write(path, encodeUploadKey(*key));
    return *key;
}

}  // namespace tintfall
