#pragma once
// What the Best Scores dialog asks of the internet table: fetching the Top 10
// (UPDATE) and sending the Classic table (SEND). The transfers live above
// this folder (net/InternetTransfers) and implement the interface.
#include <optional>
#include <string>

#include "scores/ScoreBook.h"

namespace tintfall {

struct Top10Download {
    ScoreRows rows{};
    std::string lastUpdateText;
};

class InternetTableOperations {
public:
    virtual ~InternetTableOperations() = default;
    // Fetches the internet Top 10 into baseFolder; nothing when the transfer failed
    // (the transfer reports its own failures).
    virtual std::optional<Top10Download> downloadTop10(const std::string& baseFolder) = 0;
    // The Send Result dialog for the Classic table.
    virtual void sendResults(const std::string& baseFolder, const std::string& uploadKey, const ScoreTable& classic) = 0;
};

}  // namespace tintfall
