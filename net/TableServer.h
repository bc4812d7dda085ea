#pragma once
// The internet table server this build talks to, with the program's account.
#include "platform/FtpClient.h"

namespace tintfall {

// The address and the account; user name and password are put together
// here, each from its eight pieces, every time they are needed.
FtpServer tableServer();

}  // namespace tintfall
