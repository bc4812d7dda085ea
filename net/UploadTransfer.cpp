#include "net/UploadTransfer.h"

#include <utility>

#include "net/TableServer.h"
#include "resources/dialog_ids.h"

namespace tintfall {

UploadTransfer::UploadTransfer(Files& files, FtpClient& ftp, std::string folder, UploadRecord record)
    : files_(files), ftp_(ftp), folder_(std::move(folder)), record_(std::move(record)) {}

bool UploadTransfer::run(DialogControls& dialog) {
    const std::string name = uploadFileName(record_);
    const std::string local = folder_ + name;
    if (!writeUploadFile(files_, folder_, record_)) {
        dialog.showError(kUploadCreateFailed);
        return false;
    }
    dialog.setText(IDC_TRANSFER_TEXT, kConnectingText);
    if (!ftp_.openInternet()) {
        dialog.showError(kConnectionFailed);
        files_.remove(local);
        return false;
    }
    dialog.setText(IDC_TRANSFER_TEXT, kConnectServerText);
    if (!ftp_.connect(tableServer())) {
        dialog.showError(kServerConnectionFailed);
        ftp_.closeInternet();
        files_.remove(local);
        return false;
    }
    dialog.setText(IDC_TRANSFER_TEXT, kUploadingText);
    const bool sent = ftp_.putFile(local, name);
    if (sent) {
        dialog.setText(IDC_TRANSFER_TEXT, kUploadCompletedText);
        dialog.showInformation(kNetMessageTitle, kUploadDone);
    } else {
        dialog.showError(kUploadingFailed);
    }
    ftp_.closeConnection();
    ftp_.closeInternet();
    files_.remove(local);
    return sent;
}

}  // namespace tintfall
