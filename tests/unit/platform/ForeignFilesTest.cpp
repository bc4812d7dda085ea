// Every reader given every other kind's file, whole: each refuses it, so a
// file put in the wrong place reads as foreign and never as data.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "net/LastSendFile.h"
#include "net/Top10File.h"
#include "platform/headless/SoftwareCanvas.h"
#include "scores/LastNameFile.h"
#include "scores/ScoreBook.h"
#include "settings/OptionsFile.h"
#include "settings/SavedGameFile.h"
#include "shell/DibImage.h"
#include "shell/WindowSizeFile.h"

namespace tintfall {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Kind {
    std::string name;
    Bytes valid;
    std::function<bool(const Bytes&)> accepts;
};

std::vector<Kind> everyKind() {
    GameSettings settings;
    settings.resetToDefaults("C:\\Games\\");
    GameState game;
    game.gameRunning = 1;
    ScoreBook book;
    ScoreEntry entry;
    entry.name = "Ann";
    entry.score = 120;
    book.insertEntry(ClassicTable, entry, "now");
    ScoreRows top10{};
    top10[0] = entry;
    SoftwareCanvas picture(3, 2, 0x123456);
    return {
        {"options", encodeOptions(settings),
         [](const Bytes& b) { GameSettings s; return parseOptions(b.data(), b.size(), s); }},
        {"saved game", encodeSavedGame(game, settings),
         [](const Bytes& b) { GameState g; GameSettings s; return parseSavedGame(b.data(), b.size(), g, s); }},
        {"score book", book.encode(), [](const Bytes& b) { ScoreBook k; return k.parse(b.data(), b.size()); }},
        {"window size", encodeWindowSizeMode(1),
         [](const Bytes& b) { return parseWindowSizeMode(b.data(), b.size()).has_value(); }},
        {"last name", encodeLastName("Ann"),
         [](const Bytes& b) { return parseLastName(b.data(), b.size()).has_value(); }},
        {"last send", encodeLastSend({"Ann", "ann@example.org", "Local", "hello"}),
         [](const Bytes& b) { return parseLastSend(b.data(), b.size()).has_value(); }},
        {"top 10", encodeTop10(top10), [](const Bytes& b) { return parseTop10(b.data(), b.size()).has_value(); }},
        {"bitmap", picture.bmpBytes(), [](const Bytes& b) { return !DibImage::fromFileBytes(b).empty(); }},
    };
}

TEST(ForeignFiles, EveryReaderTakesItsOwnKindAndRefusesEveryOther) {
    const std::vector<Kind> kinds = everyKind();
    for (const Kind& reader : kinds) {
        for (const Kind& file : kinds) {
            EXPECT_EQ(reader.accepts(file.valid), &reader == &file)
                << "the " << reader.name << " reader given a " << file.name << " file";
        }
    }
}

}  // namespace
}  // namespace tintfall
