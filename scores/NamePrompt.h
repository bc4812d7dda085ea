#pragma once
// The prompt for the name under which a result enters its table. It proposes
// the name given last time, kept in "lastname.dat".
#include <optional>
#include <string>
#include <utility>

#include "platform/DialogControls.h"
#include "platform/Files.h"

namespace tintfall {

class NamePrompt {
public:
    NamePrompt(Files& files, std::string baseFolder) : baseFolder(std::move(baseFolder)), files_(files) {}

    void onInit(DialogControls& controls);
    // OK (1) takes the text as it stands, empty included, and remembers it;
    // Cancel (2) writes nothing.
    void onCommand(DialogControls& controls, int id);

    // The name once the prompt closed with OK.
    const std::optional<std::string>& result() const { return result_; }

    std::string baseFolder;
    std::string name;

private:
    Files& files_;
    std::optional<std::string> result_;
};

}  // namespace tintfall
