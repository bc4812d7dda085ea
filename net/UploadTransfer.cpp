#include "net/UploadTransfer.h"

#include <utility>

#include "net/TableConditions.h"
#include "scores/RowReplays.h"

namespace tintfall {

namespace {

// The replays sent with an upload are numbered in the order of their rows.
void putRowReplays(Files& files, FtpClient& ftp, const std::string& baseFolder, const UploadRecord& record) {
    int sent = 0;
    for (const ScoreEntry& row : record.rows) {
        if (!meetsConditions(row) || !hasRowReplay(files, baseFolder, row)) continue;
        ++sent;
        ftp.putFile(rowReplayPath(baseFolder, row), record.uploadKey + "." + std::to_string(sent) + kReplayFileEnding);
    }
}

}  // namespace

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
        [&] {
            putRowReplays(files_, ftp_, baseFolder_, record_);
            return ftp_.putFile(local, name);
        });
    files_.remove(local);
    return sent;
}

}  // namespace tintfall
