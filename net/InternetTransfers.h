#pragma once
// SEND and UPDATE of the Best Scores dialog with the real transfers: the Send
// Result dialog, the upload record of the Classic table and the two
// "Transfer Data" dialogs over the FTP client.
#include <optional>
#include <string>

#include "net/InternetDialogRunner.h"
#include "net/LastSendFile.h"
#include "net/UploadFile.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/FtpClient.h"
#include "scores/InternetTableOperations.h"

namespace tintfall {

class InternetTransfers : public InternetTableOperations {
public:
    InternetTransfers(Files& files, Clock& clock, FtpClient& ftp, InternetDialogRunner& dialogs)
        : files_(files), clock_(clock), ftp_(ftp), dialogs_(dialogs) {}

    std::optional<Top10Download> downloadTop10(const std::string& baseFolder) override;
    void sendResults(const std::string& baseFolder, const std::string& uploadKey, const ScoreTable& classic) override;

    // The Send Result dialog; nothing when it was cancelled.
    std::optional<SendDetails> askSendDetails(const std::string& baseFolder);
    // The record of a send: the details, the Classic table's ten rows as
    // stored, and the times around the copy.
    UploadRecord makeUploadRecord(const std::string& baseFolder, const std::string& uploadKey,
                                  const SendDetails& details, const ScoreTable& classic);
    // The upload dialog; true when it closed as OK.
    bool uploadResults(const std::string& baseFolder, const UploadRecord& record);

private:
    Files& files_;
    Clock& clock_;
    FtpClient& ftp_;
    InternetDialogRunner& dialogs_;
};

}  // namespace tintfall
