#include <gtest/gtest.h>

#include "tests/support/FakeControls.h"
#include "resources/dialog_ids.h"
#include "scores/LastNameFile.h"
#include "scores/NamePrompt.h"
#include "tests/support/BaseFolder.h"
#include "tests/support/MemoryFiles.h"

namespace tintfall {
namespace {

const std::string kNamePath = std::string(kBaseFolder) + "lastname.dat";

struct NamePromptTest : ::testing::Test {
    MemoryFiles files;

    // One prompt: opened, the edit box set to typed (unless nothing), then button id.
    std::optional<std::string> ask(std::optional<std::string> typed, int button, std::string* proposed = nullptr) {
        FakeControls controls;
        NamePrompt prompt(files, kBaseFolder);
        prompt.onInit(controls);
        if (proposed) *proposed = controls.text(IDC_PLAYER_NAME);
        if (typed) controls.type(IDC_PLAYER_NAME, *typed);
        prompt.onCommand(controls, button);
        EXPECT_EQ(controls.endResult(), button);
        return prompt.result();
    }
};

TEST_F(NamePromptTest, ConfirmedNameIsProposedNextTime) {
    std::string proposed;
    EXPECT_EQ(ask("Blue Fox", kDialogOk, &proposed), "Blue Fox");
    EXPECT_EQ(proposed, "");
    EXPECT_EQ(ask(std::nullopt, kDialogOk, &proposed), "Blue Fox");
    EXPECT_EQ(proposed, "Blue Fox");
    EXPECT_EQ(readLastName(files, kBaseFolder), "Blue Fox");
}

TEST_F(NamePromptTest, EmptyAndUntrimmedNamesAreTakenAsTyped) {
    EXPECT_EQ(ask("Blue Fox", kDialogOk), "Blue Fox");
    EXPECT_EQ(ask("", kDialogOk), "");
    std::string proposed = "unset";
    EXPECT_EQ(ask("  Ada  ", kDialogOk, &proposed), "  Ada  ");
    EXPECT_EQ(proposed, "");
    EXPECT_EQ(readLastName(files, kBaseFolder), "  Ada  ");
}

TEST_F(NamePromptTest, CancelReturnsNothingAndWritesNothing) {
    ASSERT_EQ(ask("Blue Fox", kDialogOk), "Blue Fox");
    const auto before = files.contents[kNamePath];
    const int writes = files.writeCount;
    EXPECT_FALSE(ask("Someone Else", kDialogCancel));
    EXPECT_EQ(files.writeCount, writes);
    EXPECT_EQ(files.contents[kNamePath], before);
}

TEST_F(NamePromptTest, ForeignFileProposesTheEmptyName) {
    files.contents[kNamePath] = {4, 'J', 'U', 'N', 'K', 3, 'B', 'o', 'b'};
    std::string proposed = "unset";
    ask(std::nullopt, kDialogCancel, &proposed);
    EXPECT_EQ(proposed, "");
}

TEST_F(NamePromptTest, UnwritableFileStillReturnsTheName) {
    files.allWritesFail = true;
    EXPECT_EQ(ask("Blue Fox", kDialogOk), "Blue Fox");
    EXPECT_FALSE(files.exists(kNamePath));
}

}  // namespace
}  // namespace tintfall
