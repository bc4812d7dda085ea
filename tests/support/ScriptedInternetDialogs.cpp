#include "tests/support/ScriptedInternetDialogs.h"

#include "net/SendResultDialog.h"
#include "net/TransferDialog.h"
#include "resources/dialog_ids.h"

namespace tintfall {

void ScriptedInternetDialogs::runSendResult(SendResultDialog& dialog) {
    ++sendDialogsShown;
    FakeControls& controls = sendControls;
    controls.reopen();
    dialog.onInit(controls);
    if (typeDetails) {
        controls.type(IDC_SEND_NAME, typed.name);
        controls.type(IDC_SEND_EMAIL, typed.email);
        controls.type(IDC_SEND_COUNTRY, typed.country);
        controls.type(IDC_SEND_NOTES, typed.notes);
    }
    for (int id : sendPresses) {
        dialog.onCommand(controls, id);
        if (controls.endResult() != 0) return;
    }
    dialog.onCommand(controls, kDialogCancel);
}

void ScriptedInternetDialogs::runUpload(TransferDialog& dialog) {
    ++uploadsShown;
    runTransfer(dialog);
}

void ScriptedInternetDialogs::runDownload(TransferDialog& dialog) {
    ++downloadsShown;
    runTransfer(dialog);
}

void ScriptedInternetDialogs::runTransfer(TransferDialog& dialog) {
    FakeControls& controls = *transferControls_;
    controls.reopen();
    dialog.onInit(controls);
    timerPeriod = controls.timerPeriod(IDT_TRANSFER_START);
    if (cancelBeforeTick) dialog.onCommand(controls, kDialogCancel);
    // A closed dialog gets no more ticks; an open one ticks until it closes.
    for (int tick = 0; tick < 3 && controls.endResult() == 0; ++tick) dialog.onTimer(controls, IDT_TRANSFER_START);
    dialog.onDestroy(controls);
}

}  // namespace tintfall
