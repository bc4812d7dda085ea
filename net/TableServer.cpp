#include "net/TableServer.h"

#include "TableServerConfig.h"

namespace tintfall {

namespace {

const char* const kUserPieces[8] = {TINTFALL_FTP_USER_PIECES};
const char* const kPasswordPieces[8] = {TINTFALL_FTP_PASSWORD_PIECES};

std::string joined(const char* const (&pieces)[8]) {
    std::string text;
    for (const char* piece : pieces) text += piece;
    return text;
}

}  // namespace

FtpServer tableServer() {
    FtpServer server;
    server.host = TINTFALL_FTP_HOST;
    server.port = TINTFALL_FTP_PORT;
    server.user = joined(kUserPieces);
    server.password = joined(kPasswordPieces);
    return server;
}

}  // namespace tintfall
