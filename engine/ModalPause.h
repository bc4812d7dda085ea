#pragma once
// Around every modal dialog or message box: the game stands still while it
// is open (field covered, clock re-based) and gets its pause state back when
// the scope ends, on every way out of the command. Nested scopes restore in
// their order.
#include <cstdint>

#include "engine/Game.h"

namespace tintfall {

class ModalPause {
public:
    explicit ModalPause(Game& game) : game_(game), remembered_(game.suspendForModal()) {}
    ~ModalPause() { game_.resumeAfterModal(remembered_); }
    ModalPause(const ModalPause&) = delete;
    ModalPause& operator=(const ModalPause&) = delete;

private:
    Game& game_;
    std::int32_t remembered_;
};

}  // namespace tintfall
