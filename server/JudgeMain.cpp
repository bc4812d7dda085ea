// tintfall_judge: the judge of the table server.
//
//   tintfall_judge --data DIR --serve     publish the table, then judge uploads
//   --verified-only (with any of them)    publish only rows a replay verified
//   tintfall_judge --data DIR --rebuild   judge every stored upload again, publish
//   tintfall_judge --data DIR --list      every installation: key, shown/hidden, row
//   tintfall_judge --data DIR --hide KEY | --show KEY   moderation, then publish
//   tintfall_judge --data DIR --forget KEY   remove an installation with its
//                                         upload and e-mail address, publish
//
// DIR holds table.sqlite (readable by its owner alone), ftp/ (top10.tft,
// the FTP account's folder) and web/tintfall/ (index.htm, top.htm, and
// replays/ with the verified rows' replays). The server keeps one judge
// serving, so the database stays open between uploads: it writes a line
// "FILE<tab>NAME" for each upload (NAME: the name it was sent under),
// followed by a "<tab>REPLAY" for each replay file sent with it, and reads
// one line back: "accepted verified", "accepted unverified: <why>",
// "refused: <why>" or "failed: <why>". After publishing, the judge says
// "ready". Exit status: 0 done, 1 failure.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <exception>
#include <filesystem>
#include <iostream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/headless/LocalFiles.h"
#include "scores/DateTimeText.h"
#include "server/judge/Judge.h"

using namespace tintfall;

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;

// When the table was made, in the server's local time and with its zone:
// the pages are read all over the world.
std::string now() {
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    localtime_r(&seconds, &local);
    char zone[16] = "";
    std::strftime(zone, sizeof zone, "%z", &local);
    const std::string offset = zone;
    LocalTime time;
    time.year = local.tm_year + 1900;
    time.month = local.tm_mon + 1;
    time.day = local.tm_mday;
    time.weekday = local.tm_wday;
    time.hour = local.tm_hour;
    time.minute = local.tm_min;
    time.second = local.tm_sec;
    if (offset.size() != 5) return dateTimeText(time);
    return dateTimeText(time) + " UTC" + offset.substr(0, 3) + ":" + offset.substr(3);
}

// The database holds keys and e-mail addresses: it is made private before
// SQLite creates it (its journal files take its mode), and kept so.
void makePrivate(const std::string& path) {
    const int file = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (file < 0 || ::fchmod(file, 0600) != 0) {
        if (file >= 0) ::close(file);
        throw std::runtime_error("cannot make " + path + " private");
    }
    ::close(file);
}

int moderate(Files& files, TableStore& store, const TableFolders& folders,
             const std::map<std::string, std::string>& options) {
    if (options.count("--list")) {
        for (const TableStore::Installation& one : store.installations()) {
            std::cout << one.key << (one.hidden ? " hidden " : " shown ");
            if (one.best) {
                std::cout << one.best->score << " " << one.best->name << " (" << one.best->country << ")";
            } else {
                std::cout << "-";
            }
            std::cout << "\n";
        }
        return kDone;
    }
    bool found = false;
    if (const auto hide = options.find("--hide"); hide != options.end()) found = store.hide(hide->second, true);
    if (const auto show = options.find("--show"); show != options.end()) found = store.hide(show->second, false);
    if (const auto forget = options.find("--forget"); forget != options.end()) {
        for (const TableStore::Installation& one : store.installations()) {
            if (one.key == forget->second && !one.replay.empty()) files.remove(replayPath(folders, one.replay));
        }
        found = store.forget(forget->second);
    }
    if (!found) {
        std::cerr << "no installation with that key\n";
        return kFailed;
    }
    if (publishTable(files, store, folders, now())) return kDone;
    std::cerr << "the table files could not be written\n";
    return kFailed;
}

int usage() {
    std::cerr << "usage: tintfall_judge --data DIR (--serve | --rebuild | --list | --hide KEY | --show KEY | "
                 "--forget KEY)\n";
    return kFailed;
}

// Serving: publishes the table, says "ready", then judges one request
// line at a time. A request is "FILE<tab>NAME", then the replay files sent
// with it and "later" when more uploads wait behind it, each after a tab:
// the table is then published with a later one, at most a second after
// the last time.
class Server {
public:
    Server(Files& files, TableStore& store, const TableFolders& folders)
        : files_(files), store_(store), folders_(folders) {}

    int run() {
        if (!publish()) {
            std::cerr << "the table files could not be written\n";
            return kFailed;
        }
        std::cout << "ready" << std::endl;
        for (std::string request; std::getline(std::cin, request);) std::cout << verdictLine(request) << std::endl;
        if (unpublished_ && !publish()) return kFailed;
        return kDone;
    }

private:
    static constexpr auto kLongestWait = std::chrono::seconds(1);

    bool publish() {
        lastPublished_ = std::chrono::steady_clock::now();
        unpublished_ = false;
        return publishTable(files_, store_, folders_, now());
    }

    // A reason on one line: it ends up in the server's log.
    static std::string oneLine(std::string text) {
        for (char& c : text) {
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
        }
        return text;
    }

    std::string verdictLine(const std::string& request) {
        std::vector<std::string> fields;
        for (std::size_t start = 0;;) {
            const std::size_t tab = request.find('\t', start);
            fields.push_back(request.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
            if (tab == std::string::npos) break;
            start = tab + 1;
        }
        if (fields.size() < 2) return "failed: expected FILE<tab>NAME";
        const bool later = fields.back() == "later";
        if (later) fields.pop_back();
        try {
            const Upload upload{fields[0], fields[1], std::vector<std::string>(fields.begin() + 2, fields.end())};
            const Verdict verdict = keepIfTaken(files_, store_, folders_, upload);
            if (!verdict.accepted) return "refused: " + oneLine(verdict.refusal);
            unpublished_ = true;
            const std::string accepted =
                verdict.verified ? "accepted verified" : "accepted unverified: " + oneLine(verdict.unverified);
            if (later && std::chrono::steady_clock::now() - lastPublished_ < kLongestWait) return accepted;
            return publish() ? accepted : "failed: the table files could not be written";
        } catch (const std::exception& error) {
            return std::string("failed: ") + error.what();
        }
    }

    Files& files_;
    TableStore& store_;
    const TableFolders& folders_;
    std::chrono::steady_clock::time_point lastPublished_;
    bool unpublished_ = false;
};

int run(const std::map<std::string, std::string>& options) {
    const auto found = options.find("--data");
    if (found == options.end() || found->second.empty()) return usage();
    const std::filesystem::path data = found->second;
    const TableFolders folders{(data / "ftp").string() + "/", (data / "web").string() + "/",
                               options.count("--verified-only") > 0};
    std::filesystem::create_directories(folders.published);
    std::filesystem::create_directories(folders.web + kReplayFolderName);

    LocalFiles files;
    makePrivate((data / "table.sqlite").string());
    TableStore store((data / "table.sqlite").string());
    if (options.count("--serve")) return Server(files, store, folders).run();
    for (const char* command : {"--list", "--hide", "--show", "--forget"}) {
        if (options.count(command)) return moderate(files, store, folders, options);
    }
    if (!options.count("--rebuild")) return usage();
    if (rebuildTable(files, store, folders, now())) return kDone;
    std::cerr << "the table files could not be written\n";
    return kFailed;
}

}  // namespace

int main(int argc, char** argv) {
    std::map<std::string, std::string> options;
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        const bool takesValue = name == "--data" || name == "--hide" || name == "--show" || name == "--forget";
        if (takesValue && i + 1 >= argc) return usage();
        options[name] = takesValue ? argv[++i] : "";
    }
    try {
        return run(options);
    } catch (const std::exception& error) {
        std::cerr << "failure: " << error.what() << "\n";
        return kFailed;
    }
}
