#pragma once
// File transfer with the internet table server over FTP: one internet handle,
// one connection on it, whole files put and got in binary, and the handles
// closed again, the connection first. Local paths are Windows-style, as for
// Files.
#include <cstdint>
#include <string>

namespace tintfall {

struct FtpServer {
    std::string host;
    std::uint16_t port = 21;
    std::string user;
    std::string password;
};

class FtpClient {
public:
    virtual ~FtpClient() = default;
    // The system's preconfigured internet access.
    virtual bool openInternet() = 0;
    // A passive-mode FTP session; needs the internet handle.
    virtual bool connect(const FtpServer& server) = 0;
    // True only when the whole file arrived.
    virtual bool putFile(const std::string& localPath, const std::string& remoteName) = 0;
    // Overwrites the local file; true only when the whole file was written.
    virtual bool getFile(const std::string& remoteName, const std::string& localPath) = 0;
    virtual void closeConnection() = 0;
    virtual void closeInternet() = 0;
};

}  // namespace tintfall
