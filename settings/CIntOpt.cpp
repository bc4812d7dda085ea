#include "settings/CIntOpt.h"

#include "resources/dialog_ids.h"
#include "settings/GameSettings.h"

namespace tintfall {

namespace {

const char* const kBackgroundTexts[] = {"Grey field", "Color field", "3D field", "Fantasy field", "User-defined color"};

void checkBlockSet(DialogControls& controls, int choice) {
    for (int set = 0; set < CIntOpt::kBlockSetCount; ++set) controls.setChecked(IDC_BLOCK_SET_FIRST + set, set == choice);
}

}  // namespace

int CIntOpt::entryOfBackground(std::int32_t background) {
    for (int entry = 0; entry < static_cast<int>(backgroundOfEntry.size()); ++entry)
        if (backgroundOfEntry[entry] == background) return entry;
    return 0;
}

int CIntOpt::templateId() const { return IDD_INTERFACE_PAGE; }

void CIntOpt::onInit(DialogControls& controls) {
    controls.setEnabled(IDC_DEFINE_COLOUR, fieldBackground == UserColour);
    for (const char* text : kBackgroundTexts) controls.addListItem(IDC_BACKGROUND_LIST, text);
    controls.selectListItem(IDC_BACKGROUND_LIST, entryOfBackground(fieldBackground));
    blockSetChoice = blockSet;
    checkBlockSet(controls, blockSetChoice);
    controls.setChecked(IDC_SHOW_NEXT_BAR, showNextBar != 0);
    controls.setChecked(IDC_ANIMATE_TITLE, animateTitle != 0);
    controls.setChecked(IDC_SHOW_STATUS_BAR, showStatusBar != 0);
}

void CIntOpt::onControl(DialogControls& controls, OptionsPageServices& services, int id, ControlEvent event) {
    if (id == IDC_BACKGROUND_LIST && event == ControlEvent::SelectionChanged) {
        const int entry = controls.listSelection(IDC_BACKGROUND_LIST);
        if (entry < 0 || entry >= static_cast<int>(backgroundOfEntry.size())) return;
        fieldBackground = backgroundOfEntry[entry];
        controls.setEnabled(IDC_DEFINE_COLOUR, fieldBackground == UserColour);
        return;
    }
    if (event != ControlEvent::Clicked) return;
    if (id == IDC_DEFINE_COLOUR) {
        if (const auto colour = services.chooseColour(userColour)) userColour = *colour;
    } else if (id >= IDC_BLOCK_SET_FIRST && id < IDC_BLOCK_SET_FIRST + kBlockSetCount) {
        blockSetChoice = id - IDC_BLOCK_SET_FIRST;
        checkBlockSet(controls, blockSetChoice);
    }
}

bool CIntOpt::onOk(DialogControls& controls) {
    const int entry = controls.listSelection(IDC_BACKGROUND_LIST);
    if (entry >= 0 && entry < static_cast<int>(backgroundOfEntry.size())) fieldBackground = backgroundOfEntry[entry];
    // A stored set outside 0..11 checks no button; it is kept until one is chosen.
    if (blockSetChoice >= 0 && blockSetChoice < kBlockSetCount) blockSet = blockSetChoice;
    showNextBar = controls.isChecked(IDC_SHOW_NEXT_BAR) ? 1 : 0;
    animateTitle = controls.isChecked(IDC_ANIMATE_TITLE) ? 1 : 0;
    showStatusBar = controls.isChecked(IDC_SHOW_STATUS_BAR) ? 1 : 0;
    return true;
}

}  // namespace tintfall
