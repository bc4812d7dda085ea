// SEND from the Send Result dialog to the upload record: the proposed
// entries, the three checks, "Conditions !", and the record of a young
// Classic table.
#include <gtest/gtest.h>

#include "net/InternetTransfers.h"
#include "net/LastSendFile.h"
#include "net/SendResultDialog.h"
#include "tests/support/FakeControls.h"
#include "platform/headless/ManualClock.h"
#include "tests/support/BaseFolder.h"
#include "tests/support/MemoryFiles.h"
#include "tests/support/SampleTime.h"
#include "tests/support/ScriptedInternetDialogs.h"
#include "tests/support/TestFtpClient.h"
#include "resources/dialog_ids.h"
#include "scores/FirstStart.h"

namespace tintfall {
namespace {

const std::string kLastSendPath = kBaseFolder + "lastsend.dat";

struct SendResult : ::testing::Test {
    MemoryFiles files;
    FakeControls controls;
    SendResultDialog dialog{files, kBaseFolder};

    void typeAll(const SendDetails& d) {
        controls.type(IDC_SEND_NAME, d.name);
        controls.type(IDC_SEND_EMAIL, d.email);
        controls.type(IDC_SEND_COUNTRY, d.country);
        controls.type(IDC_SEND_NOTES, d.notes);
    }
};

TEST_F(SendResult, OpensEmptyThenWithTheLastConfirmedEntries) {
    dialog.onInit(controls);
    for (int id : {IDC_SEND_NAME, IDC_SEND_EMAIL, IDC_SEND_COUNTRY, IDC_SEND_NOTES}) EXPECT_EQ(controls.text(id), "");

    typeAll({"Blue Fox", "fox@example.org", "Norway", "line one\r\nline two"});
    dialog.onCommand(controls, kDialogOk);
    EXPECT_EQ(controls.endResult(), kDialogOk);
    ASSERT_TRUE(dialog.result().has_value());
    EXPECT_EQ(dialog.result()->notes, "line one\r\nline two");

    FakeControls next;
    SendResultDialog again(files, kBaseFolder);
    again.onInit(next);
    EXPECT_EQ(next.text(IDC_SEND_NAME), "Blue Fox");
    EXPECT_EQ(next.text(IDC_SEND_EMAIL), "fox@example.org");
    EXPECT_EQ(next.text(IDC_SEND_COUNTRY), "Norway");
    EXPECT_EQ(next.text(IDC_SEND_NOTES), "line one\r\nline two");
}

TEST_F(SendResult, EachMissingEntryIsAskedForInTurnAndTheDialogStays) {
    dialog.onInit(controls);
    const struct {
        SendDetails typed;
        const char* message;
    } cases[] = {
        {{"", "", "", ""}, "Please enter your name"},
        {{"Blue Fox", "", "Norway", ""}, "Please enter your e-mail"},
        {{"Blue Fox", "fox@example.org", "", ""}, "Please enter country"},
    };
    for (const auto& c : cases) {
        controls.clearMessages();
        typeAll(c.typed);
        dialog.onCommand(controls, kDialogOk);
        ASSERT_EQ(controls.messages().size(), 1u);
        EXPECT_EQ(controls.messages()[0].text, c.message);
        EXPECT_EQ(controls.messages()[0].title, "Tintfall");
        EXPECT_EQ(controls.messages()[0].kind, FakeControls::Message::Information);
        EXPECT_EQ(controls.endResult(), 0);
        EXPECT_EQ(controls.text(IDC_SEND_NAME), c.typed.name);
    }
    EXPECT_FALSE(files.exists(kLastSendPath));

    // Blanks are entries; the notes may stay empty.
    controls.clearMessages();
    typeAll({" ", " ", " ", ""});
    dialog.onCommand(controls, kDialogOk);
    EXPECT_TRUE(controls.messages().empty());
    EXPECT_EQ(controls.endResult(), kDialogOk);
}

TEST_F(SendResult, ConditionsAreOnlyShown) {
    dialog.onInit(controls);
    dialog.onCommand(controls, IDC_SEND_CONDITIONS);
    ASSERT_EQ(controls.messages().size(), 1u);
    EXPECT_EQ(controls.messages()[0].title, "Conditions !");
    EXPECT_EQ(controls.messages()[0].text,
              "There are only THREE conditions:\n\n- game mode must be CLASSIC;\n- difficulty must be NORMAL or "
              "HARD;\n- number of blocks must be THREE;\n\n  Good Luck !!!");
    EXPECT_EQ(controls.messages()[0].kind, FakeControls::Message::Information);
    EXPECT_EQ(controls.endResult(), 0);
}

TEST_F(SendResult, CancelSendsNothingAndKeepsTheLastEntries) {
    ASSERT_TRUE(writeLastSend(files, kBaseFolder, {"Old", "old@example.org", "Chile", ""}));
    const auto before = files.contents[kLastSendPath];
    TestFtpClient ftp{files};
    ScriptedInternetDialogs dialogs;
    ManualClock clock;
    InternetTransfers internet{files, clock, ftp, dialogs};
    dialogs.typeDetails = true;
    dialogs.typed = {"New", "new@example.org", "Peru", ""};
    dialogs.sendPresses = {kDialogCancel};
    internet.sendResults(kBaseFolder, "0123456789abcdef0123456789abcdef", ScoreTable{});
    EXPECT_EQ(dialogs.sendDialogsShown, 1);
    EXPECT_EQ(dialogs.uploadsShown, 0);
    EXPECT_TRUE(ftp.calls.empty());
    EXPECT_EQ(files.contents[kLastSendPath], before);
}

TEST_F(SendResult, UnwritableLastSendStillSends) {
    files.unwritable.insert(kLastSendPath);
    dialog.onInit(controls);
    typeAll({"Blue Fox", "fox@example.org", "Norway", ""});
    dialog.onCommand(controls, kDialogOk);
    EXPECT_TRUE(controls.messages().empty());
    EXPECT_EQ(controls.endResult(), kDialogOk);
    EXPECT_TRUE(dialog.result().has_value());
}

TEST(UploadRecordOfASend, CarriesAllTenClassicRowsAsStoredAndTheTimes) {
    MemoryFiles files;
    ManualClock clock;
    TestFtpClient ftp{files};
    ScriptedInternetDialogs dialogs;
    InternetTransfers internet{files, clock, ftp, dialogs};
    clock.setLocalTime(kSampleTime);
    writeFirstStartIfAbsent(files, kBaseFolder, "Saturday, 4 January 2003 8:00:00");

    ScoreTable classic;
    for (int i = 0; i < 3; ++i) {
        classic.rows[i].name = "Row" + std::to_string(i);
        classic.rows[i].score = 300 - i;
        classic.rows[i].colourCount = 4 + i;
        classic.rows[i].blockCountCode = i;
        classic.rows[i].hasInfo = 1;
    }
    const UploadRecord record =
        internet.makeUploadRecord(kBaseFolder, "k", {"Blue Fox", "fox@example.org", "Norway", "hi"}, classic);
    EXPECT_EQ(record.uploadKey, "k");
    EXPECT_EQ(record.playerName, "Blue Fox");
    EXPECT_EQ(record.email, "fox@example.org");
    EXPECT_EQ(record.country, "Norway");
    EXPECT_EQ(record.notes, "hi");
    EXPECT_EQ(record.sentText, "Sunday, 5 January 2003 9:05:07");
    EXPECT_EQ(record.closingText, "Sunday, 5 January 2003 9:05:07");
    EXPECT_EQ(record.usageText, "0:0:0");
    EXPECT_EQ(record.firstStartText, "Saturday, 4 January 2003 8:00:00");
    // Rows that do not meet the conditions go too; the server judges them.
    EXPECT_EQ(record.rows[0].colourCount, 4);
    EXPECT_EQ(record.rows[2].blockCountCode, 2);
    for (int i = 3; i < kScoreRows; ++i) EXPECT_EQ(record.rows[i].name, "Empty");
}

}  // namespace
}  // namespace tintfall
