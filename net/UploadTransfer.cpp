#include "net/UploadTransfer.h"

#include <utility>

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
    const bool sent = moveFileWithTableServer(
        dialog, ftp_, {kUploadingText, kUploadingFailed, kUploadCompletedText, kUploadDone},
        [&] { return ftp_.putFile(local, name); });
    files_.remove(local);
    return sent;
}

}  // namespace tintfall
