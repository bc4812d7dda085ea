#include "tests/support/TestFtpClient.h"

namespace tintfall {

void TestFtpClient::note(const std::string& call) {
    calls.push_back(call);
    if (log_ != nullptr) log_->push_back(call);
}

bool TestFtpClient::openInternet() {
    note("openInternet");
    internetOpen = !internetFails;
    return internetOpen;
}

bool TestFtpClient::connect(const FtpServer& server) {
    note("connect");
    if (!internetOpen || connectFails) return false;
    connectedTo = server;
    connectionOpen = true;
    return true;
}

bool TestFtpClient::putFile(const std::string& localPath, const std::string& remoteName) {
    note("put " + remoteName);
    if (!connectionOpen || putFails || refusedNames.count(remoteName)) return false;
    const auto bytes = files_.read(localPath);
    if (!bytes) return false;
    received[remoteName] = *bytes;
    return true;
}

bool TestFtpClient::getFile(const std::string& remoteName, const std::string& localPath) {
    note("get " + remoteName);
    if (!connectionOpen || getFails) return false;
    if (getLeavesNoFile) return true;
    const auto found = served.find(remoteName);
    return found != served.end() && files_.write(localPath, found->second);
}

void TestFtpClient::closeConnection() {
    note("closeConnection");
    connectionOpen = false;
}

void TestFtpClient::closeInternet() {
    note("closeInternet");
    internetOpen = false;
}

}  // namespace tintfall
