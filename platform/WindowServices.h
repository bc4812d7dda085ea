#pragma once
// What the main window asks of the windowing system: its title and size,
// the screen, cursors, message boxes, the end of the message loop, the shell,
// the help viewer and the copy of the back buffer into the window.
#include <string>

#include "platform/Canvas.h"

namespace tintfall {

enum class MessageIcon { Exclamation, Information, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// The system the program runs on, as far as it decides how help opens.
struct SystemRelease {
    int major = 0;
    int minor = 0;
    // Wine, which brings its own help viewer whatever release it reports.
    bool wine = false;
};

struct ScreenSize {
    int width = 0;
    int height = 0;
};

class WindowServices {
public:
    virtual ~WindowServices() = default;

    virtual void setTitle(const std::string& text) = 0;
    // Makes the client area this size in pixels; the top-left corner of the window stays
    // and the window comes to the top.
    virtual void resizeClient(int width, int height) = 0;
    // In the screen's pixels.
    virtual ScreenSize screenSize() = 0;
    // The resolution of the screen the window is on, in dots per inch (96 at 100%).
    virtual int dpi() = 0;

    // The hand over a panel button; the class's own arrow elsewhere. The class
    // cursor is cleared while the panel chooses the shape, so the system does
    // not put the arrow back on every move.
    virtual void clearClassCursor() = 0;
    virtual void showButtonCursor() = 0;
    virtual void restoreDefaultCursor() = 0;

    // A modal message box; the answer is Ok for a box with only an OK button.
    virtual MessageAnswer messageBox(const std::string& text, const std::string& title, MessageIcon icon,
                                     MessageButtons buttons) = 0;
    // Ends the message loop with this exit code once the current handler returns.
    virtual void postQuit(int exitCode) = 0;
    // Opens a web page or a "mailto:" address with the user's default program.
    virtual void shellOpen(const std::string& target) = 0;
    virtual SystemRelease systemRelease() = 0;
    // The help file beside the program file, at a context number.
    virtual void showHelp(int context) = 0;
    // A help page of the folder beside the program file ("help\\contents.html")
    // in the user's default browser.
    virtual void showHelpPage(const std::string& page) = 0;
    // The program's own modal boxes: About and Champions.
    virtual void showAboutBox() = 0;
    virtual void showChampionsDialog() = 0;

    // The off-screen picture of the client area, recreated at every size.
    virtual void createBackBuffer(int width, int height) = 0;
    virtual void releaseBackBuffer() = 0;
    virtual Canvas& backBuffer() = 0;
    // Drawing straight into the window, for the engine's animations.
    virtual Canvas& windowCanvas() = 0;
    // Copies a rectangle of the back buffer to the same place in the window.
    virtual void present(int x, int y, int width, int height) = 0;
};

}  // namespace tintfall
