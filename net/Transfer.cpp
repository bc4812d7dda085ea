#include "net/Transfer.h"

#include "net/TableServer.h"
#include "resources/dialog_ids.h"

namespace tintfall {

bool moveFileWithTableServer(DialogControls& dialog, FtpClient& ftp, const FileMoveTexts& texts,
                             const std::function<bool()>& moveFile) {
    dialog.setText(IDC_TRANSFER_TEXT, kConnectingText);
    if (!ftp.openInternet()) {
        dialog.showError(kConnectionFailed);
        return false;
    }
    dialog.setText(IDC_TRANSFER_TEXT, kConnectServerText);
    if (!ftp.connect(tableServer())) {
        dialog.showError(kServerConnectionFailed);
        ftp.closeInternet();
        return false;
    }
    dialog.setText(IDC_TRANSFER_TEXT, texts.moving);
    const bool moved = moveFile();
    if (moved) {
        dialog.setText(IDC_TRANSFER_TEXT, texts.completed);
        dialog.showInformation(kNetMessageTitle, texts.done);
    } else {
        dialog.showError(texts.failed);
    }
    ftp.closeConnection();
    ftp.closeInternet();
    return moved;
}

}  // namespace tintfall
