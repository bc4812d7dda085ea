#include "settings/OptionsFile.h"

#include <utility>

#include "platform/DamagedFile.h"
#include "platform/DataReader.h"
#include "platform/DataWriter.h"

namespace tintfall {

namespace {

// The file's order of the play keys: DropBottom comes before Rotate.
constexpr ControlAction kStoredKeyOrder[kPlayActionCount] = {MoveLeft, MoveRight, MoveDown, DropBottom, Rotate};

std::string optionsPath(const std::string& baseFolder) { return baseFolder + kOptionsFileName; }

}  // namespace

std::vector<std::uint8_t> encodeOptions(const GameSettings& s) {
    DataWriter out;
    out.writeText(kOptionsHeader);
    out.writeInt32(kOptionsFormat);
    out.writeInt32(s.gameMode);
    out.writeInt32(s.bombsEnabled);
    out.writeInt32(s.colourCount);
    out.writeInt32(s.blockCountCode);
    out.writeInt32(s.demolitionDelay);
    out.writeInt32(s.levelAnimationDelay);
    out.writeInt32(s.showNextBar);
    out.writeInt32(s.userColour);
    out.writeInt32(s.fieldBackground);
    for (ControlAction action : kStoredKeyOrder) out.writeInt32(s.keyCode[action]);
    for (ControlAction action : kStoredKeyOrder) out.writeInt32(s.keyDelay[action]);
    out.writeInt32(s.blockSet);
    out.writeInt32(s.animateTitle);
    out.writeInt32(s.startLevelIndex);
    out.writeInt32(s.showStatusBar);
    out.writeInt32(s.soundOn);
    for (std::int32_t on : s.soundEventOn) out.writeInt32(on);
    for (const std::string& path : s.soundFile) out.writeText(path);
    out.writeInt32(s.keyCode[PauseGame]);
    return out.bytes();
}

bool parseOptions(const std::uint8_t* data, std::size_t size, GameSettings& settings) {
    DataReader in(data, size);
    if (!in.expectText(kOptionsHeader) || in.readInt32() != kOptionsFormat || !in.ok()) return false;

    GameSettings s = settings;
    s.gameMode = in.readInt32();
    s.bombsEnabled = in.readInt32();
    s.colourCount = in.readInt32();
    s.blockCountCode = in.readInt32();
    s.demolitionDelay = in.readInt32();
    s.levelAnimationDelay = in.readInt32();
    s.showNextBar = in.readInt32();
    s.userColour = in.readInt32();
    s.fieldBackground = in.readInt32();
    for (ControlAction action : kStoredKeyOrder) s.keyCode[action] = in.readInt32();
    for (ControlAction action : kStoredKeyOrder) s.keyDelay[action] = in.readInt32();
    s.blockSet = in.readInt32();
    s.animateTitle = in.readInt32();
    s.startLevelIndex = in.readInt32();
    s.showStatusBar = in.readInt32();
    s.soundOn = in.readInt32();
    for (std::int32_t& on : s.soundEventOn) on = in.readInt32();
    for (std::string& path : s.soundFile) path = in.readText();
    s.keyCode[PauseGame] = in.readInt32();
    if (!in.ok()) return false;

    settings = std::move(s);
    return true;
}

// The sound paths are stored as the files' 8-bit texts, held as paths.
bool readOptions(Files& files, const std::string& baseFolder, GameSettings& settings) {
    const auto bytes = files.read(optionsPath(baseFolder));
    if (!bytes || !parseOptions(bytes->data(), bytes->size(), settings)) return false;
    for (std::string& path : settings.soundFile) path = files.pathFromStored(path);
    return true;
}

bool writeOptions(Files& files, const std::string& baseFolder, const GameSettings& settings) {
    GameSettings stored = settings;
    for (std::string& path : stored.soundFile) path = files.storedPath(path);
    return files.write(optionsPath(baseFolder), encodeOptions(stored));
}

OptionsStartUp loadOptionsAtStartUp(Files& files, const std::string& baseFolder, GameSettings& settings) {
    settings.resetToDefaults(baseFolder);
    if (readOptions(files, baseFolder, settings)) return OptionsStartUp::Loaded;
    // A damaged file is put aside before the defaults replace it; one that
    // cannot be put aside is replaced all the same, as a missing one would be.
    keepDamagedFileAside(files, optionsPath(baseFolder));
    writeOptions(files, baseFolder, settings);
    if (readOptions(files, baseFolder, settings)) return OptionsStartUp::CreatedDefaults;
    return OptionsStartUp::CannotCreate;
}

}  // namespace tintfall
