#pragma once
// The download of the internet Top 10: "top10.tft" is fetched into
// baseFolder, read, and deleted once its ten rows are taken. An incorrect file
// stays for a look.
#include <string>

#include "net/Transfer.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/FtpClient.h"
#include "scores/ScoreBook.h"

namespace tintfall {

inline constexpr const char* kDownloadingText = "Downloading...";
inline constexpr const char* kDownloadingFailed = "Downloading Failed";
inline constexpr const char* kDownloadCompletedText = "Downloading completed";
inline constexpr const char* kDownloadDone = "Data Transfer completed successfully";

class DownloadTransfer : public Transfer {
public:
    DownloadTransfer(Files& files, FtpClient& ftp, Clock& clock, std::string baseFolder);
    // Ten empty rows, last update "Never".
    void prepare() override;
    bool run(DialogControls& dialog) override;

    // After success: the downloaded rows and the time they were taken.
    ScoreRows rows{};
    std::string lastUpdateText;

private:
    Files& files_;
    FtpClient& ftp_;
    Clock& clock_;
    std::string baseFolder_;
};

}  // namespace tintfall
