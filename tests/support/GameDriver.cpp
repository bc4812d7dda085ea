#include "tests/support/GameDriver.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <stdexcept>
#include <system_error>
#include <utility>

#include <unistd.h>

namespace tintfall {
namespace {

std::string makeTemporaryFolder() {
    static std::atomic<unsigned> counter{0};
    const auto root = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto folder = root / ("tintfall-game-" + std::to_string(::getpid()) + "-" +
                                    std::to_string(counter.fetch_add(1)));
        std::error_code error;
        if (std::filesystem::create_directory(folder, error)) return folder.string();
    }
    throw std::runtime_error("no temporary folder for the game driver");
}

}  // namespace

GameDriver::GameDriver() : GameDriver(std::make_unique<MemoryFiles>(), "C:\\Games\\", std::string()) {}

GameDriver::GameDriver(OnDisk) : GameDriver(std::make_unique<LocalFiles>(), std::string(), makeTemporaryFolder()) {}

GameDriver::GameDriver(std::unique_ptr<Files> files, std::string baseFolder, std::string hostFolder)
    : files_(std::move(files)),
      memory_(dynamic_cast<MemoryFiles*>(files_.get())),
      baseFolder_(hostFolder.empty() ? std::move(baseFolder) : hostFolder + "\\"),
      hostFolder_(std::move(hostFolder)),
      host_(*files_, baseFolder_, clock_, settings_),
      game_(state_, settings_, host_, clock_) {
    host_.attachGame(game_);
    settings_.resetToDefaults(baseFolder_);
    clock_.setCalendarSeconds(kDefaultCalendarSeconds);
    clock_.setLocalTime(LocalTime{2011, 3, 13, 0, 7, 46, 40});
}

GameDriver::~GameDriver() {
    if (hostFolder_.empty()) return;
    std::error_code error;
    std::filesystem::remove_all(hostFolder_, error);
}

void GameDriver::keyDown(std::int32_t keyCode) {
    game_.preTranslateKey(true, keyCode);
    game_.onKeyDown(keyCode);
}

void GameDriver::keyUp(std::int32_t keyCode) { game_.preTranslateKey(false, keyCode); }

void GameDriver::tap(std::int32_t keyCode) {
    keyDown(keyCode);
    tick();
    keyUp(keyCode);
}

void GameDriver::tick() {
    clock_.advance(kTickMilliseconds);
    game_.gameStep();
    ++ticks_;
}

int GameDriver::run(const std::vector<KeyEvent>& script, int maxTicks) {
    std::vector<KeyEvent> events = script;
    std::stable_sort(events.begin(), events.end(),
                     [](const KeyEvent& a, const KeyEvent& b) { return a.tick < b.tick; });
    std::size_t next = 0;
    int ran = 0;
    while (ran < maxTicks && state_.gameRunning) {
        for (; next < events.size() && events[next].tick <= ran; ++next) {
            if (events[next].down) {
                keyDown(events[next].keyCode);
            } else {
                keyUp(events[next].keyCode);
            }
        }
        tick();
        ++ran;
    }
    return ran;
}

int GameDriver::runWith(const Player& player, int maxTicks) {
    int ran = 0;
    while (ran < maxTicks && state_.gameRunning) {
        player(*this);
        tick();
        ++ran;
    }
    return ran;
}

}  // namespace tintfall
