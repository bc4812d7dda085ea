#include "scores/NamePrompt.h"

#include "resources/dialog_ids.h"
#include "scores/LastNameFile.h"

namespace tintfall {

void NamePrompt::onInit(DialogControls& controls) {
    name = readLastName(files_, baseFolder);
    controls.setText(IDC_PLAYER_NAME, name);
}

void NamePrompt::onCommand(DialogControls& controls, int id) {
    if (id == kDialogOk) {
        name = controls.text(IDC_PLAYER_NAME);
        // A name that cannot be remembered is still used for this result.
        writeLastName(files_, baseFolder, name);
        result_ = name;
        controls.endDialog(kDialogOk);
    } else if (id == kDialogCancel) {
        result_.reset();
        controls.endDialog(kDialogCancel);
    }
}

}  // namespace tintfall
