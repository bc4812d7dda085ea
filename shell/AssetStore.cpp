#include "shell/AssetStore.h"

#include <utility>

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

AssetStore::AssetStore(Files& files, std::string baseFolder) : files_(files), baseFolder_(std::move(baseFolder)) {}

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
// bitmap: the missing-files warning has told the player, and the game runs on.
DibImage AssetStore::read(const std::string& name) { return DibImage::fromFile(files_, baseFolder_ + name); }

}  // namespace tintfall
