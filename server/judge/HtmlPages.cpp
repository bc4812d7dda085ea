#include "server/judge/HtmlPages.h"

#include <algorithm>
#include <cstdint>

#include "engine/Rules.h"
#include "server/judge/Publication.h"

namespace tintfall {

namespace {

const char* const kPageStart =
    "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n"
    "<meta charset=\"utf-8\">\n"
    "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>";

const char* const kStyle =
    "<style>\n"
    "body { font-family: sans-serif; margin: 1em auto; padding: 0 0.5em; max-width: 52em; color: #222; }\n"
    "h1 { color: #2a4d8f; }\n"
    "table { border-collapse: collapse; width: 100%; }\n"
    "caption { text-align: left; font-weight: bold; padding: 0.3em 0; }\n"
    "th, td { padding: 0.3em 0.6em; border-bottom: 1px solid #ccc; text-align: left; }\n"
    ".number { text-align: right; }\n"
    ".wide { overflow-x: auto; }\n"
    "</style>\n";

// Characters 0x80 to 0x9F of windows-1252; 0 where it has none.
constexpr std::uint16_t kHighControls[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};
constexpr std::uint32_t kReplacement = 0xFFFD;

void appendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string timeOfGame(int seconds) {
    const auto twoDigits = [](int value) { return (value < 10 ? "0" : "") + std::to_string(value); };
    return twoDigits(seconds / 3600) + ":" + twoDigits(seconds % 3600 / 60) + ":" + twoDigits(seconds % 60);
}

// Only results of Normal or Hard qualify.
std::string difficulty(const ScoreEntry& row) { return row.colourCount == Hard ? "Hard" : "Normal"; }

std::string numberCell(std::int64_t value) { return "<td class=\"number\">" + std::to_string(value) + "</td>"; }

// The page's folder is the site's "tintfall/"; replay names are hexadecimal digits.
std::string verifiedCell(const std::string& replay) {
    if (replay.empty()) return "<td></td>";
    const std::string folder = std::string(kReplayFolderName).substr(std::string("tintfall/").size());
    return "<td>&#10003; <a href=\"" + folder + replay + ".tfr\" download>replay</a></td>";
}

const char* const kVerifiedLegend =
    "<p>&#10003; Verified: the table server played the game again from its replay and it ended with exactly "
    "this result. Download the replay to watch it in Tintfall. A replay shows that the rules give this score "
    "for these moves, not who made them.</p>\n";

std::string rankingTable(const std::vector<RankedRow>& leaders, int rows, const std::string& caption) {
    std::string html =
        "<div class=\"wide\">\n<table>\n<caption>" + caption +
        "</caption>\n<thead>\n<tr><th scope=\"col\" class=\"number\">Place</th><th scope=\"col\">Name</th>"
        "<th scope=\"col\">Country</th><th scope=\"col\" class=\"number\">Score</th>"
        "<th scope=\"col\" class=\"number\">Level</th><th scope=\"col\" class=\"number\">Blocks</th>"
        "<th scope=\"col\">Difficulty</th><th scope=\"col\">Time of Game</th><th scope=\"col\">Finished</th>"
        "<th scope=\"col\">Verified</th></tr>\n"
        "</thead>\n<tbody>\n";
    const int shown = std::min(rows, static_cast<int>(leaders.size()));
    for (int place = 0; place < shown; ++place) {
        const ScoreEntry& row = leaders[static_cast<std::size_t>(place)].row;
        html += "<tr><th scope=\"row\" class=\"number\">" + std::to_string(place + 1) + "</th><td>" +
                htmlText(row.name) + "</td><td>" + htmlText(row.country) + "</td>" + numberCell(row.score) +
                numberCell(row.level) + numberCell(row.blocksRemoved) + "<td>" + difficulty(row) + "</td><td>" +
                timeOfGame(row.gameSeconds) + "</td><td>" + htmlText(row.finishedText) + "</td>" +
                verifiedCell(leaders[static_cast<std::size_t>(place)].replay) + "</tr>\n";
    }
    if (shown == 0) html += "<tr><td colspan=\"10\">No results yet.</td></tr>\n";
    return html + "</tbody>\n</table>\n</div>\n" + kVerifiedLegend;
}

std::string page(const std::string& title, const std::string& body, const std::string& updated) {
    return std::string(kPageStart) + htmlText(title) + "</title>\n" + kStyle + "</head>\n<body>\n" + body +
           "<p>Updated: " + htmlText(updated) + "</p>\n</body>\n</html>\n";
}

}  // namespace

std::string utf8FromWindows1252(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte < 0xA0) {
            const std::uint16_t code = kHighControls[byte - 0x80];
            appendUtf8(out, code != 0 ? code : kReplacement);
        } else {
            appendUtf8(out, byte);
        }
    }
    return out;
}

std::string htmlText(const std::string& text) {
    std::string escaped;
    for (const char c : utf8FromWindows1252(text)) {
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

std::string homePage(const std::vector<RankedRow>& leaders, const std::string& updated) {
    const std::string body =
        "<h1>Tintfall</h1>\n"
        "<p>A falling-blocks colour puzzle: columns of one to three coloured blocks fall into a field of "
        "6 by 12 cells, and every run of three or more blocks of one colour, in a row, a column or a "
        "diagonal, disappears.</p>\n"
        "<h2>Internet Top 10</h2>\n"
        "<p>Send your Classic table from the Best Scores dialog (SEND); UPDATE fetches this table into the "
        "game. There are only three conditions: game mode Classic, difficulty Normal or Hard, three blocks.</p>\n" +
        rankingTable(leaders, 10, "Internet Top 10") + "<p><a href=\"top.htm\">Top 50</a></p>\n";
    return page("Tintfall", body, updated);
}

std::string top50Page(const std::vector<RankedRow>& leaders, const std::string& updated) {
    const std::string body = "<h1>Tintfall: Top 50</h1>\n" + rankingTable(leaders, kTop50Rows, "Internet Top 50") +
                             "<p><a href=\"index.htm\">Tintfall home page</a></p>\n";
    return page("Tintfall: Top 50", body, updated);
}

}  // namespace tintfall
