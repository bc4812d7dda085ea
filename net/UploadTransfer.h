#pragma once
// The upload of a Send Result: the record is written to uploadKey + ".tft" in
// baseFolder, sent under the same name and deleted again, whatever happens.
// Before it, in the same session, go the replays kept for the rows that meet
// the table's conditions, as uploadKey + ".<n>.tfr" (n from 1), so the table
// can re-run them; a replay the server does not take leaves its row
// unverified and the upload goes on.
#include <string>

#include "net/Transfer.h"
#include "net/UploadFile.h"
#include "platform/Files.h"
#include "platform/FtpClient.h"

namespace tintfall {

inline constexpr const char* kUploadCreateFailed = "ERROR! It is impossible to create file for transfer";
inline constexpr const char* kUploadingText = "Uploading...";
inline constexpr const char* kUploadingFailed = "Uploading Failed";
inline constexpr const char* kUploadCompletedText = "Uploading completed";
inline constexpr const char* kUploadDone = "Your results was uploaded successfully\nThank you and Good Luck!";

class UploadTransfer : public Transfer {
public:
    UploadTransfer(Files& files, FtpClient& ftp, std::string baseFolder, UploadRecord record);
    bool run(DialogControls& dialog) override;

private:
    Files& files_;
    FtpClient& ftp_;
    std::string baseFolder_;
    UploadRecord record_;
};

}  // namespace tintfall
