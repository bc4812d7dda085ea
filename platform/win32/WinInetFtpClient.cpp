#include "platform/win32/WinInetFtpClient.h"

#include "platform/win32/WideText.h"

namespace tintfall {

namespace {

constexpr DWORD_PTR kContext = 1;

}  // namespace

WinInetFtpClient::~WinInetFtpClient() {
    closeConnection();
    closeInternet();
}

bool WinInetFtpClient::openInternet() {
    closeInternet();
    internet_ = InternetOpenA("Tintfall", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    return internet_ != nullptr;
}

bool WinInetFtpClient::connect(const FtpServer& server) {
    if (internet_ == nullptr) return false;
    closeConnection();
    connection_ = InternetConnectA(internet_, server.host.c_str(), server.port, server.user.c_str(),
                                   server.password.c_str(), INTERNET_SERVICE_FTP, INTERNET_FLAG_PASSIVE, kContext);
    return connection_ != nullptr;
}

bool WinInetFtpClient::putFile(const std::string& localPath, const std::string& remoteName) {
    return connection_ != nullptr &&
           FtpPutFileW(connection_, toWide(localPath).c_str(), toWide(remoteName).c_str(), FTP_TRANSFER_TYPE_BINARY, kContext);
}

bool WinInetFtpClient::getFile(const std::string& remoteName, const std::string& localPath) {
    return connection_ != nullptr && FtpGetFileW(connection_, toWide(remoteName).c_str(), toWide(localPath).c_str(), FALSE,
                                                 FILE_ATTRIBUTE_NORMAL, FTP_TRANSFER_TYPE_BINARY, kContext);
}

void WinInetFtpClient::closeConnection() {
    if (connection_ != nullptr) InternetCloseHandle(connection_);
    connection_ = nullptr;
}

void WinInetFtpClient::closeInternet() {
    if (internet_ != nullptr) InternetCloseHandle(internet_);
    internet_ = nullptr;
}

}  // namespace tintfall
