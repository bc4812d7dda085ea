#pragma once
// The modal dialogs of the internet table, as the platform runs them: the
// Win32 layer shows the real dialogs, tests script what the player does.
namespace tintfall {

class SendResultDialog;
class TransferDialog;

class InternetDialogRunner {
public:
    virtual ~InternetDialogRunner() = default;
    virtual void runSendResult(SendResultDialog& dialog) = 0;
    // The upload's and the download's "Transfer Data" dialogs.
    virtual void runUpload(TransferDialog& dialog) = 0;
    virtual void runDownload(TransferDialog& dialog) = 0;
};

}  // namespace tintfall
