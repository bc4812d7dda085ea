// The upload and the download as the player meets them: through SEND's and
// UPDATE's real path (InternetTransfers, the Transfer Data dialog, the
// transfers) against an FTP server in memory, one case per way they can
// fail, with every progress text, message and clean-up step in order.
#include <gtest/gtest.h>

#include "engine/Rules.h"
#include "net/InternetTransfers.h"
#include "net/Top10File.h"
#include "net/UploadFile.h"
#include "scores/RowReplays.h"
#include "tests/support/FakeControls.h"
#include "platform/headless/ManualClock.h"
#include "tests/support/BaseFolder.h"
#include "tests/support/MemoryFiles.h"
#include "tests/support/PlayedEntry.h"
#include "tests/support/SampleTime.h"
#include "tests/support/ScriptedInternetDialogs.h"
#include "tests/support/TestFtpClient.h"
#include "resources/dialog_ids.h"

namespace tintfall {
namespace {

const std::string kKey = "0123456789abcdef0123456789abcdef";
const std::string kUploadPath = kBaseFolder + kKey + ".tft";
const std::string kTop10Path = kBaseFolder + "top10.tft";

// The dialog's controls that also write progress texts and message boxes
// into the log the FTP client writes its steps to.
class LoggedControls : public FakeControls {
public:
    explicit LoggedControls(std::vector<std::string>& log) : log_(log) {}
    void setText(int id, const std::string& text) override {
        FakeControls::setText(id, text);
        if (id == IDC_TRANSFER_TEXT) log_.push_back("progress " + text);
    }
    void showError(const std::string& text) override {
        FakeControls::showError(text);
        log_.push_back("error " + text);
    }
    void showInformation(const std::string& title, const std::string& text) override {
        FakeControls::showInformation(title, text);
        log_.push_back("information " + title + ": " + text);
    }

private:
    std::vector<std::string>& log_;
};

ScoreRows servedRows() {
    ScoreRows rows;
    for (int i = 0; i < kScoreRows; ++i) {
        rows[i].name = "Champion" + std::to_string(i);
        rows[i].score = 5000 - 100 * i;
        rows[i].hasInfo = 1;
        rows[i].country = "Belgium";
    }
    return rows;
}

struct Transfers : ::testing::Test {
    MemoryFiles files;
    ManualClock clock;
    std::vector<std::string> log;
    TestFtpClient ftp{files, &log};
    LoggedControls controls{log};
    ScriptedInternetDialogs dialogs{&controls};
    InternetTransfers internet{files, clock, ftp, dialogs};
    ScoreTable classic;

    Transfers() {
        clock.setLocalTime(kSampleTime);
        classic.rows[0].name = "Blue Fox";
        classic.rows[0].score = 1234;
        ftp.served["top10.tft"] = encodeTop10(servedRows());
        dialogs.typeDetails = true;
        dialogs.typed = {"Blue Fox", "fox@example.org", "Norway", ""};
    }

    void send() { internet.sendResults(kBaseFolder, kKey, classic); }

    void expectHandlesClosed() {
        EXPECT_FALSE(ftp.connectionOpen);
        EXPECT_FALSE(ftp.internetOpen);
    }
    void expectClosedAs(int result) { EXPECT_EQ(controls.endResult(), result); }
};

using Log = std::vector<std::string>;

TEST_F(Transfers, AnUploadSendsTheRecordUnderTheKeyAndLeavesNoFile) {
    send();
    EXPECT_EQ(log, (Log{"progress ", "progress Connecting...", "openInternet", "progress Connect to the FTP Server...",
                        "connect", "progress Uploading...", "put " + kKey + ".tft", "progress Uploading completed",
                        "information Tintfall: Your results was uploaded successfully\nThank you and Good Luck!",
                        "closeConnection", "closeInternet"}));
    expectClosedAs(kDialogOk);
    expectHandlesClosed();
    EXPECT_FALSE(files.exists(kUploadPath));
    const auto& bytes = ftp.received.at(kKey + ".tft");
    const auto record = parseUploadRecord(bytes.data(), bytes.size());
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->uploadKey, kKey);
    EXPECT_EQ(record->playerName, "Blue Fox");
    EXPECT_EQ(record->rows[0].score, 1234);
    EXPECT_EQ(dialogs.timerPeriod, 50u);
}

// Replays go first, numbered in row order, only for rows the table takes; one
// the server turns away costs only its row's verification.
TEST_F(Transfers, TheReplaysOfQualifyingRowsGoBeforeTheUpload) {
    const auto row = [](std::int32_t score, std::int32_t colours) {
        ScoreEntry entry = playedEntry(Classic, score, 3, 40);
        entry.colourCount = colours;
        entry.blockCountCode = ThreeBlocks;
        return entry;
    };
    classic.rows = {row(900, Hard), row(800, Easy), row(700, Normal), row(600, Normal), row(500, Normal)};
    for (int i : {0, 1, 2, 4}) ASSERT_TRUE(keepRowReplay(files, kBaseFolder, classic.rows[i], {std::uint8_t(i)}));
    ftp.refusedNames.insert(kKey + ".2.tfr");
    send();
    EXPECT_EQ(ftp.calls, (Log{"openInternet", "connect", "put " + kKey + ".1.tfr", "put " + kKey + ".2.tfr",
                              "put " + kKey + ".3.tfr", "put " + kKey + ".tft", "closeConnection", "closeInternet"}));
    EXPECT_EQ(ftp.received.at(kKey + ".1.tfr"), files.contents.at(rowReplayPath(kBaseFolder, classic.rows[0])));
    EXPECT_EQ(ftp.received.at(kKey + ".3.tfr"), files.contents.at(rowReplayPath(kBaseFolder, classic.rows[4])));
    expectClosedAs(kDialogOk);
}

TEST_F(Transfers, TheAccountIsTheBuildsOwn) {
    send();
    ASSERT_TRUE(ftp.connectedTo.has_value());
    EXPECT_EQ(ftp.connectedTo->host, TEST_FTP_HOST);
    EXPECT_EQ(ftp.connectedTo->port, TEST_FTP_PORT);
    EXPECT_EQ(ftp.connectedTo->user, TEST_FTP_USER);
    EXPECT_EQ(ftp.connectedTo->password, TEST_FTP_PASSWORD);
}

TEST_F(Transfers, AnUploadFileThatCannotBeCreatedStopsBeforeAnyConnection) {
    files.unwritable.insert(kUploadPath);
    send();
    EXPECT_EQ(log, (Log{"progress ", "error ERROR! It is impossible to create file for transfer"}));
    expectClosedAs(kDialogCancel);
}

TEST_F(Transfers, NoInternetHandleEndsTheUploadAndDeletesItsFile) {
    ftp.internetFails = true;
    send();
    EXPECT_EQ(log, (Log{"progress ", "progress Connecting...", "openInternet", "error Connection Failed"}));
    expectClosedAs(kDialogCancel);
    EXPECT_FALSE(files.exists(kUploadPath));
}

TEST_F(Transfers, AFailedConnectionClosesTheInternetHandleAndDeletesTheUploadFile) {
    ftp.connectFails = true;
    send();
    EXPECT_EQ(log, (Log{"progress ", "progress Connecting...", "openInternet", "progress Connect to the FTP Server...",
                        "connect", "error Connection to the FTP Server Failed", "closeInternet"}));
    expectClosedAs(kDialogCancel);
    expectHandlesClosed();
    EXPECT_FALSE(files.exists(kUploadPath));
}

TEST_F(Transfers, ARefusedUploadClosesBothHandlesAndDeletesTheFile) {
    ftp.putFails = true;
    send();
    EXPECT_EQ(log, (Log{"progress ", "progress Connecting...", "openInternet", "progress Connect to the FTP Server...",
                        "connect", "progress Uploading...", "put " + kKey + ".tft", "error Uploading Failed",
                        "closeConnection", "closeInternet"}));
    expectClosedAs(kDialogCancel);
    expectHandlesClosed();
    EXPECT_FALSE(files.exists(kUploadPath));
    EXPECT_TRUE(ftp.received.empty());
}

TEST_F(Transfers, ADownloadGivesTheTenRowsWithTheTimeAndLeavesNoFile) {
    const auto download = internet.downloadTop10(kBaseFolder);
    EXPECT_EQ(log, (Log{"progress ", "progress Connecting...", "openInternet", "progress Connect to the FTP Server...",
                        "connect", "progress Downloading...", "get top10.tft", "progress Downloading completed",
                        "information Tintfall: Data Transfer completed successfully", "closeConnection",
                        "closeInternet"}));
    expectClosedAs(kDialogOk);
    expectHandlesClosed();
    ASSERT_TRUE(download.has_value());
    EXPECT_EQ(download->rows[9].name, "Champion9");
    EXPECT_EQ(download->rows[0].country, "Belgium");
    EXPECT_EQ(download->lastUpdateText, "Sunday, 5 January 2003 9:05:07");
    EXPECT_FALSE(files.exists(kTop10Path));
}

TEST_F(Transfers, NoInternetHandleEndsTheDownload) {
    ftp.internetFails = true;
    EXPECT_FALSE(internet.downloadTop10(kBaseFolder).has_value());
    EXPECT_EQ(log, (Log{"progress ", "progress Connecting...", "openInternet", "error Connection Failed"}));
    EXPECT_FALSE(files.exists(kTop10Path));
}

TEST_F(Transfers, AFailedConnectionClosesTheInternetHandleAndFetchesNothing) {
    ftp.connectFails = true;
    EXPECT_FALSE(internet.downloadTop10(kBaseFolder).has_value());
    EXPECT_EQ(log, (Log{"progress ", "progress Connecting...", "openInternet", "progress Connect to the FTP Server...",
                        "connect", "error Connection to the FTP Server Failed", "closeInternet"}));
    expectHandlesClosed();
    EXPECT_FALSE(files.exists(kTop10Path));
}

TEST_F(Transfers, ARefusedDownloadClosesBothHandles) {
    ftp.served.clear();
    EXPECT_FALSE(internet.downloadTop10(kBaseFolder).has_value());
    EXPECT_EQ(log, (Log{"progress ", "progress Connecting...", "openInternet", "progress Connect to the FTP Server...",
                        "connect", "progress Downloading...", "get top10.tft", "error Downloading Failed",
                        "closeConnection", "closeInternet"}));
    expectClosedAs(kDialogCancel);
    expectHandlesClosed();
}

TEST_F(Transfers, ADownloadedFileThatCannotBeReadIsReportedAfterTheSuccess) {
    ftp.getLeavesNoFile = true;
    EXPECT_FALSE(internet.downloadTop10(kBaseFolder).has_value());
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 4], "information Tintfall: Data Transfer completed successfully");
    EXPECT_EQ(log.back(), "error ERROR! It is impossible to load downloaded file");
    expectClosedAs(kDialogCancel);
}

TEST_F(Transfers, AnIncorrectDownloadStaysOnDiskAfterTheSuccessMessage) {
    std::vector<std::uint8_t> nine = encodeTop10(servedRows());
    nine[25] = 9;
    std::vector<std::uint8_t> otherHeader = encodeTop10(servedRows());
    otherHeader[3] = 'x';
    const std::vector<std::uint8_t> full = encodeTop10(servedRows());
    // Ends inside the tenth row.
    std::vector<std::uint8_t> shortOfTen(full.begin(), full.end() - 10);
    for (const auto& served : {nine, otherHeader, shortOfTen}) {
        log.clear();
        ftp.served["top10.tft"] = served;
        EXPECT_FALSE(internet.downloadTop10(kBaseFolder).has_value());
        EXPECT_EQ(log[log.size() - 4], "information Tintfall: Data Transfer completed successfully");
        EXPECT_EQ(log.back(), "error ERROR! Downloaded file is incorrect");
        expectClosedAs(kDialogCancel);
        EXPECT_EQ(files.contents.at(kTop10Path), served);
    }
    // Both messages carry their icons: information first, then the exclamation.
    const auto& messages = controls.messages();
    EXPECT_EQ(messages[messages.size() - 2].kind, FakeControls::Message::Information);
    EXPECT_EQ(messages.back().kind, FakeControls::Message::Error);
    EXPECT_EQ(messages.back().title, "Tintfall");
}

TEST_F(Transfers, CancelBeforeTheFirstTickMakesNoConnection) {
    dialogs.cancelBeforeTick = true;
    EXPECT_FALSE(internet.downloadTop10(kBaseFolder).has_value());
    send();
    EXPECT_TRUE(ftp.calls.empty());
    EXPECT_EQ(dialogs.downloadsShown, 1);
    EXPECT_EQ(dialogs.uploadsShown, 1);
    expectClosedAs(kDialogCancel);
    EXPECT_FALSE(files.exists(kUploadPath));
    // The timer stops with the dialog.
    EXPECT_EQ(controls.timerPeriod(IDT_TRANSFER_START), 0u);
}

}  // namespace
}  // namespace tintfall
