#include "net/InternetTransfers.h"

#include "net/DownloadTransfer.h"
#include "net/SendResultDialog.h"
#include "net/TransferDialog.h"
#include "net/UploadTransfer.h"
#include "scores/DateTimeText.h"
#include "scores/FirstStart.h"
#include "scores/UsageTime.h"

namespace tintfall {

std::optional<Top10Download> InternetTransfers::downloadTop10(const std::string& baseFolder) {
    DownloadTransfer transfer(files_, ftp_, clock_, baseFolder);
    TransferDialog dialog(transfer);
    dialogs_.runDownload(dialog);
    if (!dialog.succeeded()) return std::nullopt;
    return Top10Download{transfer.rows, transfer.lastUpdateText};
}

void InternetTransfers::sendResults(const std::string& baseFolder, const std::string& uploadKey,
                                    const ScoreTable& classic) {
    const auto details = askSendDetails(baseFolder);
    if (!details) return;
    uploadResults(baseFolder, makeUploadRecord(baseFolder, uploadKey, *details, classic));
}

std::optional<SendDetails> InternetTransfers::askSendDetails(const std::string& baseFolder) {
    SendResultDialog dialog(files_, baseFolder);
    dialogs_.runSendResult(dialog);
    return dialog.result();
}

UploadRecord InternetTransfers::makeUploadRecord(const std::string& baseFolder, const std::string& uploadKey,
                                                 const SendDetails& details, const ScoreTable& classic) {
    UploadRecord record;
    record.uploadKey = uploadKey;
    record.playerName = details.name;
    record.email = details.email;
    record.country = details.country;
    record.notes = details.notes;
    record.sentText = dateTimeText(clock_.localTime());
    record.usageText = usageTimeText(files_, baseFolder);
    record.firstStartText = firstStartText(files_, baseFolder);
    record.rows = classic.rows;
    record.closingText = dateTimeText(clock_.localTime());
    return record;
}

bool InternetTransfers::uploadResults(const std::string& baseFolder, const UploadRecord& record) {
    UploadTransfer transfer(files_, ftp_, baseFolder, record);
    TransferDialog dialog(transfer);
    dialogs_.runUpload(dialog);
    return dialog.succeeded();
}

}  // namespace tintfall
