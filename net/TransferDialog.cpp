#include "net/TransferDialog.h"

#include "resources/dialog_ids.h"

namespace tintfall {

void TransferDialog::onInit(DialogControls& controls) {
    controls.setText(IDC_TRANSFER_TEXT, "");
    transfer_.prepare();
    controls.startTimer(IDT_TRANSFER_START, kTransferTimerPeriod);
    startPending_ = true;
}

void TransferDialog::onTimer(DialogControls& controls, int timerId) {
    if (timerId != IDT_TRANSFER_START || !startPending_) return;
    startPending_ = false;
    succeeded_ = transfer_.run(controls);
    controls.endDialog(succeeded_ ? kDialogOk : kDialogCancel);
}

void TransferDialog::onCommand(DialogControls& controls, int id) {
    if (id != kDialogCancel) return;
    startPending_ = false;
    controls.endDialog(kDialogCancel);
}

void TransferDialog::onDestroy(DialogControls& controls) { controls.stopTimer(IDT_TRANSFER_START); }

}  // namespace tintfall
