#include "net/DownloadTransfer.h"

#include <utility>

#include "net/TableServer.h"
#include "net/Top10File.h"
#include "resources/dialog_ids.h"
#include "scores/DateTimeText.h"

namespace tintfall {

DownloadTransfer::DownloadTransfer(Files& files, FtpClient& ftp, Clock& clock, std::string folder)
    : files_(files), ftp_(ftp), clock_(clock), folder_(std::move(folder)) {}

void DownloadTransfer::prepare() {
    rows = ScoreRows{};
    lastUpdateText = kNeverUpdated;
}

bool DownloadTransfer::run(DialogControls& dialog) {
    dialog.setText(IDC_TRANSFER_TEXT, kConnectingText);
    if (!ftp_.openInternet()) {
        dialog.showError(kConnectionFailed);
        return false;
    }
    dialog.setText(IDC_TRANSFER_TEXT, kConnectServerText);
    if (!ftp_.connect(tableServer())) {
        dialog.showError(kServerConnectionFailed);
        ftp_.closeInternet();
        return false;
    }
    dialog.setText(IDC_TRANSFER_TEXT, kDownloadingText);
    const bool fetched = ftp_.getFile(kTop10FileName, folder_ + kTop10FileName);
    if (fetched) {
        dialog.setText(IDC_TRANSFER_TEXT, kDownloadCompletedText);
        // Said before the file is looked at: the transfer itself went well.
        dialog.showInformation(kNetMessageTitle, kDownloadDone);
    } else {
        dialog.showError(kDownloadingFailed);
    }
    ftp_.closeConnection();
    ftp_.closeInternet();
    if (!fetched) return false;

    switch (loadDownloadedTop10(files_, folder_, rows)) {
        case Top10Load::CannotOpen: dialog.showError(kTop10CannotLoad); return false;
        case Top10Load::Incorrect: dialog.showError(kTop10Incorrect); return false;
        case Top10Load::Loaded: break;
    }
    lastUpdateText = dateTimeText(clock_.localTime());
    return true;
}

}  // namespace tintfall
