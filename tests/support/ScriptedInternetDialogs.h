#pragma once
// The internet table's dialogs without windows: the Send Result dialog gets
// the texts a player types and the buttons pressed; a Transfer Data dialog
// opens, and its timer ticks until it closes, unless Cancel comes first.
#include <vector>

#include "net/InternetDialogRunner.h"
#include "net/LastSendFile.h"
#include "tests/support/FakeControls.h"

namespace tintfall {

class ScriptedInternetDialogs : public InternetDialogRunner {
public:
    // The controls the dialogs run on; a test may hand in its own.
    explicit ScriptedInternetDialogs(FakeControls* transferControls = nullptr)
        : transferControls_(transferControls ? transferControls : &ownTransferControls_) {}

    void runSendResult(SendResultDialog& dialog) override;
    void runUpload(TransferDialog& dialog) override;
    void runDownload(TransferDialog& dialog) override;

    // Send Result: typed over what the dialog proposes when set, then the
    // buttons pressed in order until one closes it (Cancel when none is left).
    bool typeDetails = false;
    SendDetails typed;
    std::vector<int> sendPresses{kDialogOk};
    FakeControls sendControls;
    int sendDialogsShown = 0;

    // Transfer Data: Cancel before the first tick.
    bool cancelBeforeTick = false;
    int uploadsShown = 0;
    int downloadsShown = 0;
    // The timer period asked for at opening.
    unsigned timerPeriod = 0;
    FakeControls& transferControls() { return *transferControls_; }

private:
    void runTransfer(TransferDialog& dialog);

    FakeControls ownTransferControls_;
    FakeControls* transferControls_;
};

}  // namespace tintfall
