#include "server/judge/PublishedRow.h"

namespace tintfall {

std::string shownText(const std::string& text, std::size_t length) {
    std::string shown = text.substr(0, length);
    for (char& c : shown) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) c = ' ';
    }
    return shown;
}

ScoreEntry publishedRow(ScoreEntry row) {
    row.name = shownText(row.name, kShownNameLength);
    row.country = shownText(row.country, kShownNameLength);
    row.startedText = shownText(row.startedText, kShownDateLength);
    row.finishedText = shownText(row.finishedText, kShownDateLength);
    return row;
}

}  // namespace tintfall
