#include "shell/AssetStore.h"

#include <optional>
#include <utility>

#include "shell/PictureScaling.h"

namespace tintfall {
namespace {

// Base names without the "b" of the Big file and without ".bmp"; a block
// set's number goes between the base name and the size letter.
constexpr std::array<const char*, kAssetRoleCount> kBaseNames = {
    "back", "back1", "back2", "back3", "back4", "items", "ianim", "expl", "digits",
    "bstart", "bstop", "bpauseof", "bpauseon", "bpausex", "bsave", "bsavex", "bload",
    "btable", "bwwwtbl", "bhelp", "bexit", "blogo", "bplus", "bmin", "bplus2", "bmin2",
    "bbombon", "bbombof", "bbombxon", "bbombxof", "bmodecl", "bmodeti", "bmoderi",
    "bdif1", "bdif2", "bdif3", "b1block", "b2block", "b3block", "nextbar", "stat",
    "help", "tdigits",
};

bool isBlockSetRole(AssetRole role) { return role == AssetRole::BlockCells || role == AssetRole::RemovalAnimation; }

}  // namespace

bool hasTwoSizes(AssetRole role) { return static_cast<int>(role) <= static_cast<int>(AssetRole::Explosion); }

std::string assetFileName(AssetRole role, int size, int blockSet) {
    std::string name = "graph\\";
    name += kBaseNames[static_cast<std::size_t>(role)];
    if (isBlockSetRole(role)) name += std::to_string(blockSet);
    if (hasTwoSizes(role) && size == 1) name += 'b';
    return name + ".bmp";
}

std::string finerAssetFileName(const std::string& name, int factor) {
    const std::size_t slash = name.find('\\');
    return name.substr(0, slash + 1) + std::to_string(factor) + "x\\" + name.substr(slash + 1);
}

int finerFactor(DisplayScale scale) { return scale.dpi <= 2 * kLayoutDpi ? 2 : 3; }

// FNV-1a over the whole file: cheap, and any change of a byte changes it.
std::uint32_t pictureStamp(const std::vector<std::uint8_t>& fileBytes) {
    std::uint32_t hash = 2166136261u;
    for (const std::uint8_t byte : fileBytes) hash = (hash ^ byte) * 16777619u;
    return hash;
}

AssetStore::AssetStore(Files& files, std::string baseFolder, DisplayScale scale)
    : files_(files), baseFolder_(std::move(baseFolder)), scale_(scale) {}

void AssetStore::changeScale(DisplayScale scale) {
    scale_ = scale;
    // Both forms are never held at once: the old pictures go first.
    releaseAll();
    loadAll(blockSet_);
}

void AssetStore::loadAll(int blockSet) {
    blockSet_ = blockSet;
    for (int role = 0; role < kAssetRoleCount; ++role) load(static_cast<AssetRole>(role));
}

void AssetStore::reloadBlockSet(int blockSet) {
    blockSet_ = blockSet;
    load(AssetRole::BlockCells);
    load(AssetRole::RemovalAnimation);
}

void AssetStore::releaseAll() {
    for (auto& pair : images_) {
        pair[0] = DibImage();
        pair[1] = DibImage();
    }
}

const DibImage& AssetStore::image(AssetRole role, int size) const {
    const auto& pair = images_[static_cast<std::size_t>(role)];
    return hasTwoSizes(role) && size == 1 ? pair[1] : pair[0];
}

const DibImage* AssetStore::held(const std::string& name) const {
    for (int role = 0; role < kAssetRoleCount; ++role) {
        const AssetRole r = static_cast<AssetRole>(role);
        if (isBlockSetRole(r) && (blockSet_ < 0 || blockSet_ >= kBlockSetCount)) continue;
        for (int size = 0; size < (hasTwoSizes(r) ? 2 : 1); ++size) {
            if (assetFileName(r, size, blockSet_) == name) return &image(r, size);
        }
    }
    return nullptr;
}

void AssetStore::load(AssetRole role) {
    auto& pair = images_[static_cast<std::size_t>(role)];
    pair[0] = DibImage();
    pair[1] = DibImage();
    // A block set outside the twelve has no files; its images stay empty.
    if (isBlockSetRole(role) && (blockSet_ < 0 || blockSet_ >= kBlockSetCount)) return;
    pair[0] = read(assetFileName(role, 0, blockSet_));
    if (hasTwoSizes(role)) pair[1] = read(assetFileName(role, 1, blockSet_));
}

// A file that cannot be opened is drawn as nothing, like one that is not a
// bitmap: the missing-files warning has told the player, and the game runs
// on. On a finer screen the same holds: without a drawable 1x file the
// picture is empty whatever finer file there is.
DibImage AssetStore::read(const std::string& name) {
    if (scale_.identity()) return DibImage::fromFile(files_, baseFolder_ + name);
    std::optional<std::vector<std::uint8_t>> bytes = files_.read(baseFolder_ + name, DibImage::kMaxFileBytes);
    if (!bytes) return {};
    const std::uint32_t stamp = pictureStamp(*bytes);
    DibImage plain = DibImage::fromFileBytes(std::move(*bytes));
    if (plain.empty()) return {};
    const int factor = finerFactor(scale_);
    DibImage finer = readFiner(name, factor, stamp, plain);
    if (finer.empty()) finer = enlargeByRepeating(plain.view(), factor, DisplayScale{factor * kLayoutDpi});
    if (finer.scale() == scale_) return finer;
    const int width = scale_.toPixels(plain.width());
    const int height = scale_.toPixels(plain.height());
    plain = DibImage();
    return resampleByArea(finer.view(), width, height, scale_);
}

DibImage AssetStore::readFiner(const std::string& name, int factor, std::uint32_t stamp, const DibImage& plain) {
    std::optional<std::vector<std::uint8_t>> bytes =
        files_.read(baseFolder_ + finerAssetFileName(name, factor), DibImage::kMaxFileBytes);
    if (!bytes || bytes->size() < kPairStampOffset + 4) return {};
    std::uint32_t pairedWith = 0;
    for (int i = 3; i >= 0; --i) pairedWith = (pairedWith << 8) | (*bytes)[kPairStampOffset + static_cast<std::size_t>(i)];
    if (pairedWith != stamp) return {};
    DibImage finer = DibImage::fromFileBytes(std::move(*bytes));
    if (finer.width() != plain.width() * factor || finer.height() != plain.height() * factor) return {};
    finer.setScale(DisplayScale{factor * kLayoutDpi});
    return finer;
}

}  // namespace tintfall
