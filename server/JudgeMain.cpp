// tintfall_judge: the table server runs it on every received upload, and at
// start-up to publish what the database holds.
//
//   tintfall_judge --data DIR --upload FILE --name NAME   judge FILE, sent as NAME
//   tintfall_judge --data DIR --publish                   write the table files again
//   tintfall_judge --data DIR --rebuild                   judge every stored upload again
//
// DIR holds table.sqlite, ftp/ (top10.tft, the FTP account's folder) and
// web/ (index.html, top50.html). Exit status: 0 done, 1 upload refused (the
// reason on standard error), 2 failure.
#include <ctime>
#include <exception>
#include <filesystem>
#include <iostream>
#include <map>
#include <string>

#include "platform/headless/LocalFiles.h"
#include "scores/DateTimeText.h"
#include "server/judge/Judge.h"

using namespace tintfall;

namespace {

constexpr int kDone = 0;
constexpr int kRefused = 1;
constexpr int kFailed = 2;

std::string now() {
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    localtime_r(&seconds, &local);
    LocalTime time;
    time.year = local.tm_year + 1900;
    time.month = local.tm_mon + 1;
    time.day = local.tm_mday;
    time.weekday = local.tm_wday;
    time.hour = local.tm_hour;
    time.minute = local.tm_min;
    time.second = local.tm_sec;
    return dateTimeText(time);
}

int usage() {
    std::cerr << "usage: tintfall_judge --data DIR (--upload FILE --name NAME | --publish | --rebuild)\n";
    return kFailed;
}

int run(const std::map<std::string, std::string>& options) {
    const auto option = [&](const std::string& name) {
        const auto found = options.find(name);
        return found == options.end() ? std::string() : found->second;
    };
    const std::filesystem::path data = option("--data");
    if (data.empty()) return usage();
    const TableFolders folders{(data / "ftp").string() + "/", (data / "web").string() + "/"};
    std::filesystem::create_directories(folders.published);
    std::filesystem::create_directories(folders.web);

    LocalFiles files;
    TableStore store((data / "table.sqlite").string());
    if (options.count("--upload")) {
        if (option("--name").empty()) return usage();
        const Verdict verdict = judgeUpload(files, store, folders, option("--upload"), option("--name"), now());
        if (!verdict.accepted) {
            std::cerr << "refused: " << verdict.refusal << "\n";
            return kRefused;
        }
        if (!verdict.published) {
            std::cerr << "accepted, but the table files could not be written\n";
            return kFailed;
        }
        std::cout << "accepted\n";
        return kDone;
    }
    bool written = false;
    if (options.count("--rebuild")) {
        written = rebuildTable(files, store, folders, now());
    } else if (options.count("--publish")) {
        written = publishTable(files, store, folders, now());
    } else {
        return usage();
    }
    if (!written) std::cerr << "the table files could not be written\n";
    return written ? kDone : kFailed;
}

}  // namespace

int main(int argc, char** argv) {
    std::map<std::string, std::string> options;
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        const bool takesValue = name == "--data" || name == "--upload" || name == "--name";
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
