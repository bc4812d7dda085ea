#pragma once
// The one record of every user option. Plain data; the options file stores
// it in an order of its own and the options sheet edits copies of it.
#include <array>
#include <cstdint>
#include <string>

#include "engine/Rules.h"

namespace tintfall {

enum FieldBackground : std::int32_t {
    GreyField = 0,
    UserColour = 1,
    ColourField = 2,
    ThreeDField = 3,
    FantasyField = 4,
};

enum ControlAction : int { MoveLeft = 0, MoveRight, MoveDown, Rotate, DropBottom, PauseGame };
constexpr int kControlActionCount = 6;
constexpr int kPlayActionCount = 5;  // every action but PauseGame has a tracker and a delay

enum SoundEvent : int {
    ButtonPress = 0,
    BlockDown,
    BlockRemoved,
    BombExplosion,
    GameOver,
    YouWin,
    LevelFinished,
    TimerTick,  // the event named "Timer"
    RowAdded,
    GameStart,
    BombDisappears,
    BestScore,
};
constexpr int kSoundEventCount = 12;
constexpr int kSoundSlotCount = 16;

// Relative names of the 16 sound slots, in slot order.
inline const std::array<const char*, kSoundSlotCount>& defaultSoundNames() {
    static const std::array<const char*, kSoundSlotCount> names = {
        "snd\\button.wav", "snd\\drop0.wav", "snd\\drop1.wav", "snd\\drop2.wav",
        "snd\\drop3.wav",  "snd\\drop4.wav", "snd\\line.wav",  "snd\\bomb.wav",
        "snd\\gameover.wav", "snd\\gamewin.wav", "snd\\level.wav", "snd\\time.wav",
        "snd\\add.wav",    "snd\\start.wav", "snd\\bombout.wav", "snd\\best.wav",
    };
    return names;
}

// The slot each event is shown and edited with; BlockDown owns slots 1..5.
inline int shownSoundSlot(SoundEvent event) {
    if (event == ButtonPress) return 0;
    if (event == BlockDown) return 2;
    return static_cast<int>(event) + 4;
}

// The default key of each ControlAction and auto-repeat delay of each play action.
inline constexpr std::array<std::int32_t, kControlActionCount> kDefaultKeyCodes{37, 39, 40, 38, 32, 19};
inline constexpr std::array<std::int32_t, kPlayActionCount> kDefaultKeyDelays{50, 50, 50, 100, 1000};

struct GameSettings {
    std::int32_t gameMode = Classic;
    std::int32_t colourCount = Normal;
    std::int32_t blockCountCode = ThreeBlocks;  // the normal pieces' kind
    std::int32_t bombsEnabled = 1;
    std::int32_t demolitionDelay = 50;
    std::int32_t levelAnimationDelay = 8;
    std::int32_t blockSet = 11;
    std::int32_t startLevelIndex = 0;
    std::int32_t showNextBar = 1;
    std::int32_t userColour = 0;
    std::int32_t fieldBackground = GreyField;
    std::int32_t animateTitle = 1;
    std::int32_t showStatusBar = 1;
    // Indexed by ControlAction; PauseGame has no delay (its entry is unused).
    std::array<std::int32_t, kControlActionCount> keyDelay{kDefaultKeyDelays[0], kDefaultKeyDelays[1], kDefaultKeyDelays[2],
                                                           kDefaultKeyDelays[3], kDefaultKeyDelays[4], 0};
    std::array<std::int32_t, kControlActionCount> keyCode = kDefaultKeyCodes;
    std::int32_t soundOn = 1;
    std::array<std::int32_t, kSoundEventCount> soundEventOn{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    std::array<std::string, kSoundSlotCount> soundFile{};

    // Every field back to its default; sound paths built from baseFolder.
    void resetToDefaults(const std::string& baseFolder) {
        *this = GameSettings{};
        for (int slot = 0; slot < kSoundSlotCount; ++slot) soundFile[slot] = baseFolder + defaultSoundNames()[slot];
    }

    // The sound rule: the master switch and the event's own switch.
    bool soundEnabled(SoundEvent event) const { return soundOn == 1 && soundEventOn[event] == 1; }
};

}  // namespace tintfall
