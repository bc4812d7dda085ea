#pragma once
// An FTP server in memory behind the client interface: files to hand out,
// files received, each step made to fail on demand, every call logged and
// the handles tracked, so a test sees what was opened and left open.
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "platform/FtpClient.h"

namespace tintfall {

class TestFtpClient : public FtpClient {
public:
    explicit TestFtpClient(Files& files, std::vector<std::string>* log = nullptr) : files_(files), log_(log) {}

    bool openInternet() override;
    bool connect(const FtpServer& server) override;
    bool putFile(const std::string& localPath, const std::string& remoteName) override;
    bool getFile(const std::string& remoteName, const std::string& localPath) override;
    void closeConnection() override;
    void closeInternet() override;

    // The server's files by name, and what was put there.
    std::map<std::string, std::vector<std::uint8_t>> served;
    std::map<std::string, std::vector<std::uint8_t>> received;
    bool internetFails = false;
    bool connectFails = false;
    bool putFails = false;
    // Names the server turns away on a put, as an older server does a replay.
    std::set<std::string> refusedNames;
    bool getFails = false;
    // A get that reports the whole file written but leaves none behind, as
    // when another program takes the file away at once.
    bool getLeavesNoFile = false;

    std::optional<FtpServer> connectedTo;
    bool internetOpen = false;
    bool connectionOpen = false;
    // Steps in order: "openInternet", "connect", "put <remote>", "get <remote>",
    // "closeConnection", "closeInternet" (also written to the shared log).
    std::vector<std::string> calls;

private:
    void note(const std::string& call);

    Files& files_;
    std::vector<std::string>* log_;
};

}  // namespace tintfall
