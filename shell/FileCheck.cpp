#include "shell/FileCheck.h"

#include "shell/DibImage.h"

namespace tintfall {
namespace {

std::vector<std::string> buildList() {
    std::vector<std::string> names = {"tintfall.hlp"};
    for (const char* sound : {"add", "best", "bomb", "bombout", "button", "drop0", "drop1", "drop2", "drop3", "drop4",
                              "gameover", "gamewin", "level", "line", "start", "time"}) {
        names.push_back(std::string("snd\\") + sound + ".wav");
    }
    auto graph = [&names](const std::string& base) { names.push_back("graph\\" + base + ".bmp"); };
    for (const char* base : {"b1block", "b2block", "b3block", "back", "back1", "back2", "back3", "back4", "backb",
                             "back1b", "back2b", "back3b", "back4b", "bbombof", "bbombon", "bbombxof", "bbombxon",
                             "bdif1", "bdif2", "bdif3", "bexit", "bhelp", "bload", "blogo", "bmin", "bmin2", "bmodecl",
                             "bmoderi", "bmodeti", "bpauseof", "bpauseon", "bpausex", "bplus", "bplus2", "bsave",
                             "bsavex", "bstart", "bstop", "btable", "bwwwtbl", "digits", "expl", "explb", "help"}) {
        graph(base);
    }
    for (const char* set : {"ianim", "items"}) {
        for (int n = 0; n < 12; ++n) graph(set + std::to_string(n));
        for (int n = 0; n < 12; ++n) graph(set + std::to_string(n) + "b");
    }
    for (const char* base : {"nextbar", "stat", "tdigits"}) graph(base);
    return names;
}

bool isBitmap(const std::string& name) { return name.size() > 4 && name.compare(name.size() - 4, 4, ".bmp") == 0; }

}  // namespace

const std::vector<std::string>& checkedFileNames() {
    static const std::vector<std::string> names = buildList();
    return names;
}

std::string checkFiles(Files& files, const std::string& baseFolder, const AssetStore& pictures) {
    std::string missing;
    for (const std::string& name : checkedFileNames()) {
        const std::string path = baseFolder + name;
        bool found = files.exists(path);
        // A picture that is there but cannot be drawn is as good as missing.
        if (found && isBitmap(name)) {
            const DibImage* image = pictures.held(name);
            found = image ? !image->empty() : DibImage::canDraw(files, path);
        }
        if (!found) missing += name + "\n";
    }
    if (missing.empty()) return missing;
    return "Attention! This files were not found:\n" + missing + "\nProgram may work incorrectly";
}

}  // namespace tintfall
