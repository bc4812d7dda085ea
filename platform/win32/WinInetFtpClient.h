#pragma once
// FTP through the Windows internet functions: the preconfigured internet
// handle, a passive connection with the program's account, binary put and
// get of whole files.
#include <windows.h>
#include <wininet.h>

#include "platform/FtpClient.h"

namespace tintfall {

class WinInetFtpClient : public FtpClient {
public:
    WinInetFtpClient() = default;
    ~WinInetFtpClient() override;
    WinInetFtpClient(const WinInetFtpClient&) = delete;
    WinInetFtpClient& operator=(const WinInetFtpClient&) = delete;

    bool openInternet() override;
    bool connect(const FtpServer& server) override;
    bool putFile(const std::string& localPath, const std::string& remoteName) override;
    bool getFile(const std::string& remoteName, const std::string& localPath) override;
    void closeConnection() override;
    void closeInternet() override;

private:
    HINTERNET internet_ = nullptr;
    HINTERNET connection_ = nullptr;
};

}  // namespace tintfall
