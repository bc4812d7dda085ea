// tintfall_judge: the judge of the table server.
//
//   tintfall_judge --data DIR --serve     publish the table, then judge uploads
//   tintfall_judge --data DIR --rebuild   judge every stored upload again, publish
//
// DIR holds table.sqlite, ftp/ (top10.tft, the FTP account's folder) and
// web/ (index.html, top50.html). The server keeps one judge serving, so the
// database stays open between uploads: it writes a line "FILE<tab>NAME" for
// each upload (NAME: the name it was sent under) and reads one line back,
// "accepted", "refused: <why>" or "failed: <why>". After publishing, the
// judge says "ready". Exit status: 0 done, 1 failure.
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
constexpr int kFailed = 1;

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
    std::cerr << "usage: tintfall_judge --data DIR (--serve | --rebuild)\n";
    return kFailed;
}

std::string verdictLine(Files& files, TableStore& store, const TableFolders& folders, const std::string& request) {
    const std::size_t tab = request.find('\t');
    if (tab == std::string::npos) return "failed: expected FILE<tab>NAME";
    try {
        const Verdict verdict =
            judgeUpload(files, store, folders, request.substr(0, tab), request.substr(tab + 1), now());
        if (!verdict.accepted) return "refused: " + verdict.refusal;
        return verdict.published ? "accepted" : "failed: the table files could not be written";
    } catch (const std::exception& error) {
        return std::string("failed: ") + error.what();
    }
}

int serve(Files& files, TableStore& store, const TableFolders& folders) {
    if (!publishTable(files, store, folders, now())) {
        std::cerr << "the table files could not be written\n";
        return kFailed;
    }
    std::cout << "ready" << std::endl;
    for (std::string request; std::getline(std::cin, request);) {
        std::cout << verdictLine(files, store, folders, request) << std::endl;
    }
    return kDone;
}

int run(const std::map<std::string, std::string>& options) {
    const auto found = options.find("--data");
    if (found == options.end() || found->second.empty()) return usage();
    const std::filesystem::path data = found->second;
    const TableFolders folders{(data / "ftp").string() + "/", (data / "web").string() + "/"};
    std::filesystem::create_directories(folders.published);
    std::filesystem::create_directories(folders.web);

    LocalFiles files;
    TableStore store((data / "table.sqlite").string());
    if (options.count("--serve")) return serve(files, store, folders);
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
        const bool takesValue = name == "--data";
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
