#pragma once
// What the control panel asks of the window beyond the game itself: the
// cursor, its own repaint, and the commands that open dialogs, the help
// viewer or the browser. MainWindow implements it; those commands pause
// the game around their dialogs themselves.

namespace tintfall {

class PanelCommands {
public:
    virtual ~PanelCommands() = default;

    // All buttons and the status line straight into the window.
    virtual void drawPanel() = 0;

    // Clears the window class cursor, so the system does not put the arrow
    // back on every mouse move.
    virtual void clearClassCursor() = 0;
    // The hand cursor shown over an enabled button.
    virtual void showButtonCursor() = 0;
    // The window class's own cursor, the ordinary arrow.
    virtual void restoreDefaultCursor() = 0;

    virtual void saveGame() = 0;
    virtual void loadGame() = 0;
    // The Best Scores dialog on the Classic table.
    virtual void showLocalTables() = 0;
    // The Best Scores dialog on the internet Top 10.
    virtual void showInternetTable() = 0;
    virtual void showHelpIndex() = 0;
    // The help file opened at one context number.
    virtual void showHelpContext(int context) = 0;
    // Asks whether to quit and ends the program on Yes.
    virtual void confirmQuit() = 0;
    virtual void openHomePage() = 0;
};

}  // namespace tintfall
