#include "net/DownloadTransfer.h"

#include <utility>

#include "net/Top10File.h"
#include "scores/DateTimeText.h"

namespace tintfall {

DownloadTransfer::DownloadTransfer(Files& files, FtpClient& ftp, Clock& clock, std::string baseFolder)
    : files_(files), ftp_(ftp), clock_(clock), baseFolder_(std::move(baseFolder)) {}

void DownloadTransfer::prepare() {
    rows = ScoreRows{};
    lastUpdateText = kNeverUpdated;
}

bool DownloadTransfer::run(DialogControls& dialog) {
    // The success message comes before the file is looked at: the transfer
    // itself went well.
    if (!moveFileWithTableServer(dialog, ftp_,
                                 {kDownloadingText, kDownloadingFailed, kDownloadCompletedText, kDownloadDone},
                                 [&] { return ftp_.getFile(kTop10FileName, baseFolder_ + kTop10FileName); }))
        return false;

    switch (loadDownloadedTop10(files_, baseFolder_, rows)) {
        case Top10Load::CannotOpen: dialog.showError(kTop10CannotLoad); return false;
        case Top10Load::Incorrect: dialog.showError(kTop10Incorrect); return false;
        case Top10Load::Loaded: break;
    }
    lastUpdateText = dateTimeText(clock_.localTime());
    return true;
}

}  // namespace tintfall
