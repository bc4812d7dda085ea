#pragma once
// The window of the program for tests: records what is asked of it (titles,
// sizes, cursors, message boxes, help, pages opened, back buffers, copies to
// the window) and answers message boxes from a script, No when none is left.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "panel/PanelGeometry.h"
#include "platform/WindowServices.h"
#include "tests/support/RecordingCanvas.h"

namespace tintfall {

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
    int dpi() override { return screenDpi; }
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
    int screenDpi = 96;
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
