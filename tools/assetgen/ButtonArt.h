#pragma once
// The control panel's pictures: buttons with their normal, hover and pressed
// frames side by side, the disabled images of one frame, the selectors with
// their eight frames, the switches, the logo button and the bombs switch.
#include <memory>

#include "tools/assetgen/Canvas2d.h"

namespace tintfall::assetgen {

constexpr int kButtonStates = 3;
constexpr int kSelectorFrames = 8;  // 0-2 states, 3-5 selected, 6 disabled, 7 disabled and selected

enum class ButtonKind {
    Start, Stop, Pause, Resume, Save, Load, Table, InternetTable, Help, Exit,
};
// Three state frames, or one disabled frame, of a button of the given size.
std::unique_ptr<Picture> buttonStrip(ButtonKind kind, int width, int height, bool disabled);

enum class SelectorKind { Classic, Timer, Rising, Easy, Normal, Hard, OneBlock, TwoBlocks, ThreeBlocks };
std::unique_ptr<Picture> selectorStrip(SelectorKind kind, int width, int height);

// "+" shows a hidden bar, "-" hides a shown one.
std::unique_ptr<Picture> switchStrip(bool plus, int width, int height);
std::unique_ptr<Picture> logoStrip(int width, int height);
// Three state frames, or the one disabled frame shown during a game.
std::unique_ptr<Picture> bombsStrip(bool on, bool disabled, int width, int height);

}  // namespace tintfall::assetgen
