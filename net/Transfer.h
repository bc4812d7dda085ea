#pragma once
// One transfer with the internet table server, as the "Transfer Data" dialog
// runs it: progress texts in the dialog's static text, every failure in a
// message box and then its own clean-up, so no later step runs.
#include "platform/DialogControls.h"

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

}  // namespace tintfall
