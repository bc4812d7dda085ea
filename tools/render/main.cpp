// tintfall-render: the window's picture of a game state, drawn by the
// program's renderer onto a software canvas and written as .png or .bmp.
//
//   tintfall-render [options] OUTPUT.png|OUTPUT.bmp
//     --dist DIR       folder holding graph\ (default: the build's dist folder)
//     --size normal|big
//     --game FILE.tfs  a saved game (default: a built-in game in progress)
//     --field 0..4     field background (grey, colour, colour field, 3D, fantasy)
//     --colour RRGGBB  the user-defined field colour (hex)
//     --blockset 0..11
//     --paused | --inactive | --no-game
//     --status LINE    status-bar line 0..30
//     --clock HH:MM
//   tintfall-render --bench N [--dist DIR] [--game FILE.tfs]
//     times N full redraws at both sizes and prints the figures.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/headless/LocalFiles.h"
#include "platform/headless/SoftwareCanvas.h"
#include "platform/headless/SoftwarePresenter.h"
#include "settings/SavedGameFile.h"
#include "shell/Renderer.h"
#include "tools/render/DemoGame.h"

using namespace tintfall;

namespace {

struct Options {
    std::string dist = TINTFALL_DEFAULT_DIST;
    std::string output;
    std::string gameFile;
    int size = 0;
    int field = -1;
    long colour = -1;
    int blockSet = -1;
    bool paused = false;
    bool inactive = false;
    bool noGame = false;
    int statusLine = 0;
    int hour = 9;
    int minute = 5;
    int bench = 0;
};

[[noreturn]] void usage(const std::string& problem) {
    std::fprintf(stderr,
                 "tintfall-render: %s\n"
                 "usage: tintfall-render [--dist DIR] [--size normal|big] [--game FILE.tfs] [--field 0..4]\n"
                 "                       [--colour RRGGBB] [--blockset 0..11] [--paused|--inactive|--no-game]\n"
                 "                       [--status LINE] [--clock HH:MM] OUTPUT.png|OUTPUT.bmp\n"
                 "       tintfall-render --bench N [--dist DIR] [--game FILE.tfs]\n",
                 problem.c_str());
    std::exit(2);
}

int number(const std::string& text, int low, int high, const std::string& what) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < low || value > high) usage("bad " + what + ": " + text);
    return static_cast<int>(value);
}

Options parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) usage(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--dist") o.dist = value();
        else if (arg == "--size") {
            const std::string s = value();
            if (s != "normal" && s != "big") usage("size is normal or big");
            o.size = s == "big" ? 1 : 0;
        } else if (arg == "--game") o.gameFile = value();
        else if (arg == "--field") o.field = number(value(), 0, 4, "field background");
        else if (arg == "--colour") {
            const std::string s = value();
            char* end = nullptr;
            const long rgb = std::strtol(s.c_str(), &end, 16);
            if (s.size() != 6 || *end != '\0') usage("colour is RRGGBB");
            o.colour = ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
        } else if (arg == "--blockset") o.blockSet = number(value(), 0, 11, "block set");
        else if (arg == "--paused") o.paused = true;
        else if (arg == "--inactive") o.inactive = true;
        else if (arg == "--no-game") o.noGame = true;
        else if (arg == "--status") o.statusLine = number(value(), 0, 30, "status line");
        else if (arg == "--clock") {
            const std::string s = value();
            if (s.size() != 5 || s[2] != ':') usage("clock is HH:MM");
            o.hour = number(s.substr(0, 2), 0, 23, "hour");
            o.minute = number(s.substr(3), 0, 59, "minute");
        } else if (arg == "--bench") o.bench = number(value(), 1, 1000000, "redraw count");
        else if (!arg.empty() && arg[0] == '-') usage("unknown option " + arg);
        else if (o.output.empty()) o.output = arg;
        else usage("only one output file");
    }
    if (o.bench == 0 && o.output.empty()) usage("no output file");
    return o;
}

struct Scene {
    GameState game;
    GameSettings settings;
    PresentationState view;
    PanelLooks panel;
};

Scene makeScene(const Options& o, Files& files) {
    Scene s;
    makeDemoGame(s.game, s.settings);
    if (!o.gameFile.empty()) {
        const SavedGameLoad result = loadGame(files, o.gameFile, s.game, s.settings);
        if (result != SavedGameLoad::Loaded) {
            std::fprintf(stderr, "tintfall-render: %s: %s\n", o.gameFile.c_str(),
                         result == SavedGameLoad::CannotOpen ? "cannot open" : kSavedGameIncorrect);
            std::exit(1);
        }
        s.game.notPaused = 1;
        s.game.appActive = 1;
    }
    if (o.field >= 0) s.settings.fieldBackground = o.field;
    if (o.colour >= 0) s.settings.userColour = static_cast<std::int32_t>(o.colour);
    if (o.blockSet >= 0) s.settings.blockSet = o.blockSet;
    if (o.paused) s.game.notPaused = 0;
    if (o.inactive) s.game.appActive = 0;
    if (o.noGame) s.game.gameRunning = 0;
    s.view.windowReady = true;
    s.view.paintingEnabled = true;
    s.panel.statusLine = o.statusLine;
    s.view.clockHour = o.hour;
    s.view.clockMinute = o.minute;
    return s;
}

void setSize(Scene& s, int size) {
    s.view.effectiveSize = size;
    s.view.layout = applyLayout(size);
}

void bench(Scene scene, const AssetStore& assets, int count) {
    for (int size = 0; size < 2; ++size) {
        setSize(scene, size);
        SoftwareCanvas back(scene.view.layout.clientWidth, scene.view.layout.clientHeight);
        SoftwareCanvas window(back.width(), back.height());
        SoftwarePresenter presenter(back, window);
        const RenderContext context{assets, scene.game, scene.settings, scene.view, scene.panel, back, window, presenter};
        redraw(context);  // warm-up
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < count; ++i) redraw(context);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("%s %dx%d: %d full redraws in %.3f s, %.3f ms each, %.0f redraws per second\n",
                    size ? "Big" : "Normal", back.width(), back.height(), count, seconds, 1000.0 * seconds / count,
                    count / seconds);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const Options o = parse(argc, argv);
    LocalFiles files;
    Scene scene = makeScene(o, files);
    AssetStore assets(files, o.dist + "/");
    assets.loadAll(scene.settings.blockSet);
    if (assets.image(AssetRole::Background, 0).empty())
        std::fprintf(stderr, "tintfall-render: no artwork in %s/graph (build the dist_files target)\n", o.dist.c_str());

    if (o.bench > 0) {
        bench(scene, assets, o.bench);
        return 0;
    }
    setSize(scene, o.size);
    SoftwareCanvas back(scene.view.layout.clientWidth, scene.view.layout.clientHeight);
    SoftwareCanvas window(back.width(), back.height());
    SoftwarePresenter presenter(back, window);
    redraw({assets, scene.game, scene.settings, scene.view, scene.panel, back, window, presenter});

    const bool bmp = o.output.size() > 4 && o.output.compare(o.output.size() - 4, 4, ".bmp") == 0;
    if (!(bmp ? window.saveBmp(files, o.output) : window.savePng(files, o.output))) {
        std::fprintf(stderr, "tintfall-render: cannot write %s\n", o.output.c_str());
        return 1;
    }
    return 0;
}
