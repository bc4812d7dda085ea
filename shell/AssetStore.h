#pragma once
// The bitmaps of the playing window, read from baseFolder's graph folder at
// start-up and held in their file form until shutdown. Pictures that come in
// two sizes are held as a pair indexed by effectiveSize (0 Normal, 1 Big);
// of the twelve block sets only the selected one is held.
//
// On a screen finer than 96 DPI each picture is held once, at the screen's
// resolution: made from the twice (up to 192 DPI) or three times (above) as
// fine picture of the same name in graph\2x\ or graph\3x\, scaled down by
// area when the screen lies in between. A finer file counts only while it
// was made with the 1x file beside it (the pair stamp below); otherwise, as
// for a player's own picture, the 1x file's pixels are repeated.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "shell/DibImage.h"

namespace tintfall {

// Every picture role, in loading order.
enum class AssetRole : int {
    Background,          // back.bmp, backb.bmp
    Cover,               // back1.bmp, back1b.bmp
    ColourField,         // back2.bmp, back2b.bmp
    ThreeDField,         // back3.bmp, back3b.bmp
    FantasyField,        // back4.bmp, back4b.bmp
    BlockCells,          // itemsN.bmp, itemsNb.bmp: 9 cells (colours 0-5, bombs 6-8)
    RemovalAnimation,    // ianimN.bmp, ianimNb.bmp: 30 cells, frame 6k + colour
    Explosion,           // expl.bmp, explb.bmp: 5 cells
    Digits,              // digits.bmp: 15 x 17 glyphs, blank at 150, colon at 165
    StartButton,         // bstart.bmp
    StopButton,          // bstop.bmp
    PauseButton,         // bpauseof.bmp: a game runs, not paused
    ResumeButton,        // bpauseon.bmp: the game is paused
    PauseDisabled,       // bpausex.bmp
    SaveButton,          // bsave.bmp
    SaveDisabled,        // bsavex.bmp
    LoadButton,          // bload.bmp
    TableButton,         // btable.bmp
    InternetTableButton, // bwwwtbl.bmp
    HelpButton,          // bhelp.bmp
    ExitButton,          // bexit.bmp
    LogoButton,          // blogo.bmp
    NextBarHidden,       // bplus.bmp
    NextBarShown,        // bmin.bmp
    StatusBarHidden,     // bplus2.bmp
    StatusBarShown,      // bmin2.bmp
    BombsOn,             // bbombon.bmp
    BombsOff,            // bbombof.bmp
    BombsOnDisabled,     // bbombxon.bmp
    BombsOffDisabled,    // bbombxof.bmp
    ClassicSelector,     // bmodecl.bmp
    TimerSelector,       // bmodeti.bmp
    RisingSelector,      // bmoderi.bmp
    EasySelector,        // bdif1.bmp
    NormalSelector,      // bdif2.bmp
    HardSelector,        // bdif3.bmp
    OneBlockSelector,    // b1block.bmp
    TwoBlocksSelector,   // b2block.bmp
    ThreeBlocksSelector, // b3block.bmp
    NextBar,             // nextbar.bmp
    StatusOff,           // stat.bmp
    StatusLines,         // help.bmp: 31 lines of 15 pixels
    ClockDigits,         // tdigits.bmp: 5 x 9 glyphs, colon 10, blank 11
};
constexpr int kAssetRoleCount = static_cast<int>(AssetRole::ClockDigits) + 1;
constexpr int kBlockSetCount = 12;

// True for the roles held in a Normal and a Big file.
bool hasTwoSizes(AssetRole role);
// The role's file relative to baseFolder, e.g. "graph\items7b.bmp" for the
// Big block cells of set 7. Size is ignored for single-size roles, the block
// set for all but the block cells and the removal animation.
std::string assetFileName(AssetRole role, int size, int blockSet);
// The finer picture of a file as assetFileName gives it: "graph\2x\back.bmp".
std::string finerAssetFileName(const std::string& name, int factor);
// The finer set made for a screen of this resolution: 2 or 3.
int finerFactor(DisplayScale scale);

// A finer file carries, in the reserved bytes of its file header (which
// readers ignore), the stamp of the whole 1x file it was drawn with.
inline constexpr std::size_t kPairStampOffset = 6;
std::uint32_t pictureStamp(const std::vector<std::uint8_t>& fileBytes);

class AssetStore {
public:
    AssetStore(Files& files, std::string baseFolder, DisplayScale scale = {});

    // Loads every role in loading order, the block-set roles for blockSet.
    void loadAll(int blockSet);
    // Frees the four block-set images and loads those of the new set.
    void reloadBlockSet(int blockSet);
    void releaseAll();
    // Holds every picture again at another screen resolution.
    void changeScale(DisplayScale scale);
    DisplayScale scale() const { return scale_; }

    // Size 1 is Big, anything else Normal; ignored for single-size roles. A
    // file that was missing or not a drawable bitmap gives an empty image.
    const DibImage& image(AssetRole role, int size) const;
    int blockSet() const { return blockSet_; }
    // The image held for a file name as assetFileName gives it, or nullptr
    // when the store holds no image of that file (another block set's).
    const DibImage* held(const std::string& name) const;

private:
    void load(AssetRole role);
    DibImage read(const std::string& name);
    // The finer picture paired with a 1x file of this stamp and size, or empty.
    DibImage readFiner(const std::string& name, int factor, std::uint32_t stamp, const DibImage& plain);

    Files& files_;
    std::string baseFolder_;
    DisplayScale scale_;
    int blockSet_ = -1;
    std::array<std::array<DibImage, 2>, kAssetRoleCount> images_{};
};

}  // namespace tintfall
