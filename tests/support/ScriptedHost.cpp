#include "tests/support/ScriptedHost.h"

#include <utility>

#include "scores/DateTimeText.h"
#include "scores/ScoreBook.h"

namespace tintfall {

ScriptedHost::ScriptedHost(Files& files, std::string folder, Clock& clock, const GameSettings& settings)
    : files_(files), folder_(std::move(folder)), clock_(clock), settings_(settings) {}

void ScriptedHost::playSound(SoundEvent event, int slot) {
    if (settings_.soundEnabled(event)) sounds.push_back({event, slot});
}

bool ScriptedHost::askYesNo(const std::string& text) {
    questions.push_back(text);
    dialogs.push_back("question");
    if (yesNoAnswers.empty()) return false;
    const bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

std::string ScriptedHost::dateTimeText() { return tintfall::dateTimeText(clock_.localTime()); }

std::int32_t ScriptedHost::bestLocalScore(std::int32_t mode) { return tintfall::bestLocalScore(files_, folder_, mode); }

std::int32_t ScriptedHost::qualifyingScore(std::int32_t mode) {
    return tintfall::qualifyingScore(files_, folder_, mode);
}

void ScriptedHost::attachGame(Game& game) {
    bestScores_ = std::make_unique<BestScoresCommand>(*this, files_, clock_, folder_, internet_, std::string(), game);
}

void ScriptedHost::recordResult(const GameResult& result) {
    if (bestScores_) bestScores_->recordResult(result);
}

void ScriptedHost::clearRecords() {
    draws = DrawCounts{};
    sounds.clear();
    questions.clear();
    dialogs.clear();
    winnerMessages = 0;
    namePromptsProposed.clear();
    recordedResults.clear();
    recordedPlaces.clear();
    tableUpdateFailures = 0;
}

int ScriptedHost::soundCount(SoundEvent event) const {
    int count = 0;
    for (const PlayedSound& sound : sounds) {
        if (sound.event == event) ++count;
    }
    return count;
}

}  // namespace tintfall
