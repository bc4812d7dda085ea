#pragma once
// The outside world of the main window for tests: files in a fresh temporary
// folder (which is also the "current folder"), a fake window that records
// what is asked of it and answers message boxes from a script.
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/WindowServices.h"
#include "platform/headless/LocalFiles.h"
#include "tests/support/RecordingCanvas.h"

namespace tintfall {

// LocalFiles rooted in a private folder: relative names (the scratch file
// "z") land there, and the folder's full path is what fullPath reports.
class FolderFiles : public LocalFiles {
public:
    FolderFiles() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tintfall-shell-XXXXXX").string();
        folder = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~FolderFiles() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    std::optional<std::vector<std::uint8_t>> read(const std::string& path, std::size_t maxBytes) override {
        return LocalFiles::read(rooted(path), maxBytes);
    }
    bool write(const std::string& path, const std::vector<std::uint8_t>& bytes) override {
        if (failWrites(path)) return false;
        ++writes[path];
        return LocalFiles::write(rooted(path), bytes);
    }
    bool exists(const std::string& path) override { return LocalFiles::exists(rooted(path)); }
    bool remove(const std::string& path) override { return LocalFiles::remove(rooted(path)); }
    std::string fullPath(const std::string& name) override { return folder + "/" + name; }

    std::string base() const { return folder + "/"; }
    std::optional<std::vector<std::uint8_t>> bytesOf(const std::string& name) { return read(base() + name, 1u << 20); }
    void put(const std::string& name, const std::vector<std::uint8_t>& bytes) { LocalFiles::write(base() + name, bytes); }

    std::string folder;
    // Paths whose writes fail.
    std::function<bool(const std::string&)> failWrites = [](const std::string&) { return false; };
    std::map<std::string, int> writes;

private:
    std::string rooted(const std::string& path) const {
        return !path.empty() && path[0] == '/' ? path : folder + "/" + path;
    }
};

struct MessageCall {
    std::string text;
    std::string title;
    MessageIcon icon;
    MessageButtons buttons;
};

class FakeWindow : public WindowServices {
public:
    void setTitle(const std::string& text) override {
        titles.push_back(text);
        events.push_back("title");
    }
    void resizeClient(int width, int height) override { resizes.push_back({width, height}); }
    ScreenSize screenSize() override { return screen; }
    void clearClassCursor() override { cursor = "none"; }
    void showButtonCursor() override { cursor = "hand"; }
    void restoreDefaultCursor() override { cursor = "arrow"; }
    MessageAnswer messageBox(const std::string& text, const std::string& title, MessageIcon icon,
                             MessageButtons buttons) override {
        messages.push_back({text, title, icon, buttons});
        events.push_back("message");
        if (onMessage) onMessage();
        if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
        if (answers.empty()) return MessageAnswer::No;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void postQuit(int exitCode) override { quitCodes.push_back(exitCode); }
    void shellOpen(const std::string& target) override { opened.push_back(target); }
    SystemRelease systemRelease() override { return release; }
    void showHelp(int context) override {
        helpContexts.push_back(context);
        if (onModal) onModal();
    }
    void showHelpPage(const std::string& page) override {
        helpPages.push_back(page);
        if (onModal) onModal();
    }
    void showAboutBox() override {
        ++aboutShown;
        if (onModal) onModal();
    }
    void showChampionsDialog() override {
        ++championsShown;
        if (onModal) onModal();
    }
    void createBackBuffer(int width, int height) override {
        backBuffers.push_back({width, height});
        events.push_back("back buffer");
    }
    void releaseBackBuffer() override { ++backBuffersReleased; }
    Canvas& backBuffer() override { return back; }
    Canvas& windowCanvas() override { return window; }
    void present(int x, int y, int width, int height) override { presents.push_back({x, y, width, height}); }

    ScreenSize screen{1280, 1024};
    // Wine as the tests under Wine see it: reporting Windows 10.
    SystemRelease release{10, 0, true};
    // The order of titles, message boxes and back buffers.
    std::vector<std::string> events;
    std::vector<std::string> titles;
    std::vector<ScreenSize> resizes;
    std::string cursor;
    std::vector<MessageCall> messages;
    std::deque<MessageAnswer> answers;
    std::function<void()> onMessage;
    std::function<void()> onModal;
    std::vector<int> quitCodes;
    std::vector<std::string> opened;
    std::vector<int> helpContexts;
    std::vector<std::string> helpPages;
    int aboutShown = 0;
    int championsShown = 0;
    std::vector<ScreenSize> backBuffers;
    int backBuffersReleased = 0;
    RecordingCanvas back;
    RecordingCanvas window;
    std::vector<Rect> presents;
};

}  // namespace tintfall
