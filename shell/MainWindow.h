#pragma once
// The one main window of the program: owner of the game state, the settings,
// the bitmaps, the layout of the current size, the presentation state, the
// title animation, the engine and the control panel. The Win32 layer turns
// window messages into calls of the on... operations below; everything it
// needs from the system goes through WindowServices, so the whole life of the
// window runs in tests without one.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "panel/ControlPanel.h"
#include "engine/Game.h"
#include "engine/GameHost.h"
#include "engine/GameState.h"
#include "panel/PanelCommands.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/ScaledCanvas.h"
#include "platform/SecureRandom.h"
#include "platform/SoundPlayer.h"
#include "platform/WindowServices.h"
#include "settings/GameSettings.h"
#include "shell/AssetStore.h"
#include "shell/BestScoresCommand.h"
#include "shell/DialogRunner.h"
#include "shell/MenuState.h"
#include "shell/OptionsCommand.h"
#include "shell/ProductName.h"
#include "shell/Renderer.h"
#include "shell/ReplayWatch.h"
#include "shell/SaveLoadCommands.h"
#include "shell/TitleAnimation.h"
#include "shell/WindowLayout.h"

namespace tintfall {

inline constexpr std::uint32_t kTickMilliseconds = 20;

// The interfaces the engine, the panel and the options command call back
// through are private bases: only the window hands itself to the parts it
// owns, so nothing outside can draw, ask or record in its name.
class MainWindow : private GameHost, private PanelCommands, private OptionsTarget, private WindowPresenter {
public:
    // The dialogs of the commands as the platform runs them, and the random
    // source of the installation's upload key.
    MainWindow(Files& files, Clock& clock, SoundPlayer& sound, WindowServices& services, DialogRunner& dialogs,
               InternetTableOperations& internet, SecureRandom& random);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // The creation sequence, before any other call. Failures are reported in
    // message boxes and the sequence still runs to its end. The caller starts
    // timer 1 afterwards.
    void onCreate();
    // Timer 1: first-frame painting, the clock redraw, the game step, the title.
    void onTick();
    // WM_PAINT: the current frame, composed anew.
    void onPaint();
    // The window is being destroyed while the program runs (close box, system menu).
    void onDestroy();
    void onActivateApp(bool active);
    // The window now lies on a screen of another resolution: the pictures are
    // made for it and the window takes the layout's size there.
    void onDpiChanged(int dpi);
    // Keyboard: every key message before dispatch, then the window's key-down.
    void preTranslateKey(bool keyDown, int keyCode);
    void onKeyDown(int keyCode);
    // Mouse in the client area's pixels.
    void onMouseMove(int x, int y);
    void onLeftButtonDown(int x, int y);
    void onLeftButtonUp(int x, int y);
    void onRightButtonUp();

    // A menu or accelerator command (ids of resources/resource_ids.h).
    void onCommand(int commandId);
    MenuState currentMenuState() const;

    // Read-only views: baseFolder (known after onCreate), the layout
    // of the current size (in units of 96 DPI), the client area it takes on
    // the screen and the game as it stands.
    const std::string& baseFolder() const { return baseFolder_; }
    const WindowLayout& layout() const { return view_.layout; }
    ScreenSize clientPixels() const;
    const GameState& gameState() const { return state_; }
    // The replay being watched, if any.
    const ReplayWatch* replayWatch() const { return watch_.get(); }

private:
    // PanelCommands: the commands the control panel shares with the menu.
    void saveGame() override;
    void loadGame() override;
    void showLocalTables() override;
    void showInternetTable() override;
    void showHelpIndex() override;
    void showHelpContext(int context) override;
    void openHomePage() override;
    // Asks the quit question; on Yes saves and ends the message loop.
    void confirmQuit() override;
    // The panel's repaint and the cursor.
    void drawPanel() override;
    void clearClassCursor() override;
    void showButtonCursor() override;
    void restoreDefaultCursor() override;

    // OptionsTarget. saveOptions reports a failure and, unless the program
    // is already quitting, asks the quit question.
    void saveOptions() override;
    void setTitleAnimation(bool on) override;
    void reloadBlockSet() override;

    // GameHost.
    void redraw() override;
    void drawPieceMove() override;
    void refreshPanel() override;
    void drawCell(int column, int row, CellImage image, int frame) override;
    void drawFieldBackgroundCell(int column, int row) override;
    void drawCoverCell(int column, int row) override;
    void showField() override;
    void playSound(SoundEvent event, int slot) override;
    bool askYesNo(const std::string& text) override;
    void showWinnerMessage() override;
    std::string dateTimeText() override;
    std::int32_t bestLocalScore(std::int32_t mode) override;
    std::int32_t qualifyingScore(std::int32_t mode) override;
    void recordResult(const GameResult& result) override;

    // The commands only the menu and the accelerators reach.
    void startOrStop();
    void togglePause();
    void showOptions();
    void setWindowSizeMode(int mode);
    void openTop50Page();
    void showAbout();
    void showChampions();
    // Watch Replay: the dialog of the rows with replays, then the chosen
    // replay in the window instead of the game.
    void watchReplay();
    // The keys of a replay being watched: its pause key, F faster, Escape stop.
    void replayKey(int keyCode);
    void stopWatching();
    void stepReplay();
    // A message box with the product's title unless another one is given.
    MessageAnswer message(const std::string& text, MessageIcon icon, MessageButtons buttons = MessageButtons::Ok,
                          const std::string& title = kProductName);

    bool findBaseFolder();
    void loadOptionsAtStart();
    void applyWindowSizeMode(int mode);
    // The window and the back buffer at the layout's size on the screen, then a frame.
    void fitWindowToLayout();
    void addUsageTimeOnce();
    void showTitle(const std::string& text);
    void stepTitle();
    // One drawing job over the current state, with the panel's looks; none
    // before the window is ready and the first tick has come.
    template <typename Job>
    void draw(Job&& job) {
        if (view_.canDraw()) job(renderContext());
    }
    RenderContext renderContext();
    void present(const Rect& area) override;

    Files& files;
    Clock& clock;
    SoundPlayer& sound;
    WindowServices& services;
    DialogRunner& dialogs_;
    InternetTableOperations& internet_;
    SecureRandom& random_;
    // The screen's resolution; the renderer draws in layout units through
    // the two scaled canvases.
    DisplayScale scale_;
    ScaledCanvas scaledBackBuffer_;
    ScaledCanvas scaledWindow_;
    GameState state_;
    GameSettings settings_;
    std::string baseFolder_;
    int windowSizeMode_ = AutomaticSize;
    // Ready and painting flags, clock, effective size and layout, panel looks.
    PresentationState view_;
    TitleAnimation title_;
    Game game;
    ControlPanel panel;
    SaveLoadCommands saveLoad_;
    // The parts that work in baseFolder, built in onCreate as soon
    // as it is known; the upload key's part once the window is complete.
    std::unique_ptr<AssetStore> assets_;
    std::unique_ptr<OptionsCommand> options_;
    std::unique_ptr<BestScoresCommand> bestScores_;
    std::uint32_t runStartTime = 0;
    // While a replay plays, the window shows its game, drawn with the
    // window's looks and the replay's rules.
    std::unique_ptr<ReplayWatch> watch_;
    GameSettings watchedSettings_;
    std::string watchTitle_;

    bool usageTimeAdded_ = false;
    bool quitConfirmed_ = false;
    bool destroying_ = false;
};

}  // namespace tintfall
