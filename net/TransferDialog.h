#pragma once
// The "Transfer Data" dialog: a line of progress and a Cancel button. The
// transfer runs once, on the first tick of a 50 ms timer after opening, so
// the dialog is on screen first and Cancel before that tick means no
// connection at all. It closes as OK after success, as cancelled otherwise.
#include "net/Transfer.h"
#include "platform/DialogControls.h"

namespace tintfall {

inline constexpr unsigned kTransferTimerPeriod = 50;

class TransferDialog {
public:
    explicit TransferDialog(Transfer& transfer) : transfer_(transfer) {}

    void onInit(DialogControls& controls);
    void onTimer(DialogControls& controls, int timerId);
    // Cancel (2): closes as cancelled.
    void onCommand(DialogControls& controls, int id);
    void onDestroy(DialogControls& controls);

    // True once the transfer closed the dialog as OK.
    bool succeeded() const { return succeeded_; }

private:
    Transfer& transfer_;
    bool startPending_ = false;
    bool succeeded_ = false;
};

}  // namespace tintfall
