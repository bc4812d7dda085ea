#include "net/UploadTransfer.h"

#include <utility>

namespace tintfall {

UploadTransfer::UploadTransfer(Files& files, FtpClient& ftp, std::string baseFolder, UploadRecord record)
    : files_(files), ftp_(ftp), baseFolder_(std::move(baseFolder)), record_(std::move(record)) {}

bool UploadTransfer::run(DialogControls& dialog) {
    const std::string name = uploadFileName(record_);
    const std::string local = baseFolder_ + name;
    if (!writeUploadFile(files_, baseFolder_, record_)) {
        dialog.showError(kUploadCreateFailed);
        return false;
    }
    const bool sent = moveFileWithTableServer(
        dialog, ftp_, {kUploadingText, kUploadingFailed, kUploadCompletedText, kUploadDone},
        [&] { return ftp_.putFile(local, name); });
    files_.remove(local);
    return sent;
}

}  // namespace tintfall
