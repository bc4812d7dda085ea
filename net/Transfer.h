#pragma once
// One transfer with the internet table server, as the "Transfer Data" dialog
// runs it: progress texts in the dialog's static text, every failure in a
// message box and then its own clean-up, so no later step runs.
#include <functional>

#include "platform/DialogControls.h"
#include "platform/FtpClient.h"

namespace tintfall {

inline constexpr const char* kNetMessageTitle = "Tintfall";
inline constexpr const char* kConnectingText = "Connecting...";
inline constexpr const char* kConnectServerText = "Connect to the FTP Server...";
inline constexpr const char* kConnectionFailed = "Connection Failed";
inline constexpr const char* kServerConnectionFailed = "Connection to the FTP Server Failed";

class Transfer {
public:
    virtual ~Transfer() = default;
    // The dialog is opening.
    virtual void prepare() {}
    // The whole transfer; true after success.
    virtual bool run(DialogControls& dialog) = 0;
};

// What the dialog says while a file moves and after, in one direction.
struct FileMoveTexts {
    const char* moving;
    const char* failed;
    const char* completed;
    const char* done;
};

// The steps both directions share: connect to the table server, move the
// file with moveFile, tell how it went and close the connection and the
// internet handle. A failed step shows its message, closes what was opened
// and ends the run. True when the file arrived.
bool moveFileWithTableServer(DialogControls& dialog, FtpClient& ftp, const FileMoveTexts& texts,
                             const std::function<bool()>& moveFile);

}  // namespace tintfall
