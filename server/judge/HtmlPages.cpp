#include "server/judge/HtmlPages.h"

#include <algorithm>

namespace tintfall {

namespace {

// The program's texts are 8-bit Windows characters.
const char* const kPageStart =
    "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n"
    "<meta charset=\"windows-1252\">\n<title>";

const char* const kStyle =
    "<style>\n"
    "body { font-family: sans-serif; margin: 2em auto; max-width: 46em; color: #222; }\n"
    "h1 { color: #2a4d8f; }\n"
    "table { border-collapse: collapse; width: 100%; }\n"
    "th, td { padding: 0.3em 0.6em; border-bottom: 1px solid #ccc; text-align: left; }\n"
    "td.number, th.number { text-align: right; }\n"
    "</style>\n";

std::string timeOfGame(int seconds) {
    const auto twoDigits = [](int value) { return (value < 10 ? "0" : "") + std::to_string(value); };
    return twoDigits(seconds / 3600) + ":" + twoDigits(seconds % 3600 / 60) + ":" + twoDigits(seconds % 60);
}

std::string difficulty(const ScoreEntry& row) { return row.colourCount == 6 ? "Hard" : "Normal"; }

std::string rankingTable(const std::vector<ScoreEntry>& leaders, int rows) {
    std::string html =
        "<table>\n<tr><th class=\"number\">Place</th><th>Name</th><th>Country</th>"
        "<th class=\"number\">Score</th><th class=\"number\">Level</th><th class=\"number\">Blocks</th>"
        "<th>Difficulty</th><th>Time of Game</th><th>Finished</th></tr>\n";
    const int shown = std::min(rows, static_cast<int>(leaders.size()));
    for (int place = 0; place < shown; ++place) {
        const ScoreEntry& row = leaders[static_cast<std::size_t>(place)];
        html += "<tr><td class=\"number\">" + std::to_string(place + 1) + "</td><td>" + htmlEscape(row.name) +
                "</td><td>" + htmlEscape(row.country) + "</td><td class=\"number\">" + std::to_string(row.score) +
                "</td><td class=\"number\">" + std::to_string(row.level) + "</td><td class=\"number\">" +
                std::to_string(row.blocksRemoved) + "</td><td>" + difficulty(row) + "</td><td>" +
                timeOfGame(row.gameSeconds) + "</td><td>" + htmlEscape(row.finishedText) + "</td></tr>\n";
    }
    if (shown == 0) html += "<tr><td colspan=\"9\">No results yet.</td></tr>\n";
    return html + "</table>\n";
}

std::string page(const std::string& title, const std::string& body, const std::string& updated) {
    return std::string(kPageStart) + htmlEscape(title) + "</title>\n" + kStyle + "</head>\n<body>\n" + body +
           "<p>Updated: " + htmlEscape(updated) + "</p>\n</body>\n</html>\n";
}

}  // namespace

std::string htmlEscape(const std::string& text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&': escaped += "&amp;"; break;
            case '<': escaped += "&lt;"; break;
            case '>': escaped += "&gt;"; break;
            case '"': escaped += "&quot;"; break;
            case '\'': escaped += "&#39;"; break;
            default: escaped += c;
        }
    }
    return escaped;
}

std::string homePage(const std::vector<ScoreEntry>& leaders, const std::string& updated) {
    const std::string body =
        "<h1>Tintfall</h1>\n"
        "<p>A falling-blocks colour puzzle: columns of one to three coloured blocks fall into a field of "
        "6 by 12 cells, and every run of three or more blocks of one colour, in a row, a column or a "
        "diagonal, disappears.</p>\n"
        "<h2>Internet Top 10</h2>\n"
        "<p>Send your Classic table from the Best Scores dialog (SEND); UPDATE fetches this table into the "
        "game. There are only three conditions: game mode Classic, difficulty Normal or Hard, three blocks.</p>\n" +
        rankingTable(leaders, 10) + "<p><a href=\"" + kTop50PageName + "\">Top 50</a></p>\n";
    return page("Tintfall", body, updated);
}

std::string top50Page(const std::vector<ScoreEntry>& leaders, const std::string& updated) {
    const std::string body = "<h1>Tintfall: Top 50</h1>\n" + rankingTable(leaders, kTop50Rows) +
                             "<p><a href=\"" + kHomePageName + "\">Tintfall home page</a></p>\n";
    return page("Tintfall: Top 50", body, updated);
}

}  // namespace tintfall
