#include "app/win32/MenuUpdate.h"

#include "resources/resource_ids.h"

namespace tintfall {

namespace {

void setText(HMENU menu, UINT command, const std::string& text) {
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING;
    item.dwTypeData = const_cast<char*>(text.c_str());
    SetMenuItemInfoA(menu, command, FALSE, &item);
}

void enable(HMENU menu, UINT command, bool on) {
    EnableMenuItem(menu, command, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
}

void check(HMENU menu, UINT command, bool on) {
    CheckMenuItem(menu, command, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace

void applyMenuState(HMENU menu, const MenuState& state) {
    if (menu == nullptr) return;
    setText(menu, CMD_START_STOP, state.startStopText);
    setText(menu, CMD_PAUSE, state.pauseText);
    enable(menu, CMD_PAUSE, state.pauseEnabled);
    enable(menu, CMD_SAVE_AS, state.saveEnabled);
    enable(menu, CMD_WATCH_REPLAY, state.watchReplayEnabled);
    check(menu, CMD_SIZE_NORMAL, state.sizeChecked[0]);
    check(menu, CMD_SIZE_BIG, state.sizeChecked[1]);
    check(menu, CMD_SIZE_AUTOMATIC, state.sizeChecked[2]);
}

}  // namespace tintfall
