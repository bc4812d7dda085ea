#include "settings/KeyNames.h"

namespace tintfall {

namespace {

const char* fixedName(int code) {
    switch (code) {
        case 8: return "BackSpace";
        case 9: return "Tab";
        case 13: return "Enter";
        case 19: return "Pause";
        case 20: return "CapsLock";
        case 32: return "Space";
        case 33: return "PageUp";
        case 34: return "PageDown";
        case 35: return "End";
        case 36: return "Home";
        case 37: return "Left Arrow";
        case 38: return "Up Arrow";
        case 39: return "Right Arrow";
        case 40: return "Down Arrow";
        case 45: return "Insert";
        case 46: return "Delete";
        case 106: return "*";
        case 107: return "+";
        case 109: return "-";
        case 110: return ".";
        case 111: return "/";
        case 144: return "NumLock";
        case 160: return "Left Shift";
        case 161: return "Right Shift";
        case 162: return "Left Control";
        case 163: return "Right Control";
        default: return nullptr;
    }
}

}  // namespace

std::string keyName(int keyCode) {
    if (const char* name = fixedName(keyCode)) return name;
    if (keyCode >= '0' && keyCode <= '9') return std::string(1, static_cast<char>(keyCode));
    if (keyCode >= 'A' && keyCode <= 'Z') return std::string(1, static_cast<char>(keyCode));
    if (keyCode >= 96 && keyCode <= 105) return "NumPad " + std::to_string(keyCode - 96);
    return "Key #" + std::to_string(keyCode);
}

}  // namespace tintfall
