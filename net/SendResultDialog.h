#pragma once
// The "Send Result" dialog: the name and country shown in the internet table,
// an e-mail address and optional notes. It proposes the entries of the last
// confirmed send, kept in "lastsend.dat".
#include <optional>
#include <string>
#include <utility>

#include "net/LastSendFile.h"
#include "platform/DialogControls.h"
#include "platform/Files.h"

namespace tintfall {

inline constexpr const char* kSendNeedsName = "Please enter your name";
inline constexpr const char* kSendNeedsEmail = "Please enter your e-mail";
inline constexpr const char* kSendNeedsCountry = "Please enter country";
inline constexpr const char* kConditionsTitle = "Conditions !";
inline constexpr const char* kConditionsText =
    "There are only THREE conditions:\n\n- game mode must be CLASSIC;\n- difficulty must be NORMAL or HARD;\n"
    "- number of blocks must be THREE;\n\n  Good Luck !!!";

class SendResultDialog {
public:
    SendResultDialog(Files& files, std::string baseFolder) : baseFolder(std::move(baseFolder)), files_(files) {}

    void onInit(DialogControls& controls);
    // Send (1) checks the entries, remembers them and closes; Conditions !
    // (1063) tells which games count; Cancel (2) closes and writes nothing.
    void onCommand(DialogControls& controls, int id);

    // The entries once the dialog closed with Send.
    const std::optional<SendDetails>& result() const { return result_; }

    std::string baseFolder;
    SendDetails details;

private:
    Files& files_;
    std::optional<SendDetails> result_;
};

}  // namespace tintfall
