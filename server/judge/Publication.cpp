#include "server/judge/Publication.h"

#include "net/Top10File.h"
#include "server/judge/HtmlPages.h"
#include "server/judge/PublishedRow.h"

namespace tintfall {

namespace {

std::vector<std::uint8_t> bytesOf(const std::string& text) { return std::vector<std::uint8_t>(text.begin(), text.end()); }

}  // namespace

std::string replayPath(const TableFolders& folders, const std::string& replay) {
    return folders.web + kReplayFolderName + replay + ".tfr";
}

bool publishTable(Files& files, TableStore& store, const TableFolders& folders, const std::string& updated) {
    std::vector<RankedRow> leaders = store.ranked(kTop50Rows, folders.verifiedOnly);
    for (RankedRow& one : leaders) one.row = publishedRow(std::move(one.row));
    ScoreRows top10;  // places without a result stay the program's empty rows
    for (std::size_t place = 0; place < top10.size() && place < leaders.size(); ++place) {
        top10[place] = leaders[place].row;
    }

    bool written = files.write(folders.published + kTop10FileName, encodeTop10(top10));
    written = files.write(folders.web + kHomePageName, bytesOf(homePage(leaders, updated))) && written;
    return files.write(folders.web + kTop50PageName, bytesOf(top50Page(leaders, updated))) && written;
}

}  // namespace tintfall
