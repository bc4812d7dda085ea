#pragma once
// WindowServices for the one main window: title, size, cursors, message
// boxes, the shell and help viewer, and the GDI back buffer. The program's
// own dialogs (About, Champions) are the application's to show.
#include <windows.h>

#include <string>

#include "platform/WindowServices.h"
#include "platform/win32/GdiCanvas.h"

namespace tintfall {

class Win32WindowServices : public WindowServices {
public:
    static constexpr DWORD kStyle = WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    static constexpr DWORD kExStyle = WS_EX_WINDOWEDGE;

    explicit Win32WindowServices(HINSTANCE instance);
    ~Win32WindowServices() override;

    // Set while WM_CREATE runs, before anything asks for the window.
    void attach(HWND window);
    HWND window() const { return window_; }
    HINSTANCE instance() const { return instance_; }

    void setTitle(const std::string& text) override;
    void resizeClient(int width, int height) override;
    ScreenSize screenSize() override;
    int dpi() override;
    void clearClassCursor() override;
    void showButtonCursor() override;
    void restoreDefaultCursor() override;
    MessageAnswer messageBox(const std::string& text, const std::string& title, MessageIcon icon,
                             MessageButtons buttons) override;
    void postQuit(int exitCode) override;
    void shellOpen(const std::string& target) override;
    SystemRelease systemRelease() override;
    void showHelp(int context) override;
    void showHelpPage(const std::string& page) override;
    void createBackBuffer(int width, int height) override;
    void releaseBackBuffer() override;
    Canvas& backBuffer() override { return backCanvas_; }
    Canvas& windowCanvas() override { return windowCanvas_; }
    void present(int x, int y, int width, int height) override;

private:
    HINSTANCE instance_;
    HWND window_ = nullptr;
    HCURSOR buttonCursor_ = nullptr;
    HCURSOR defaultCursor_ = nullptr;
    HDC backDc_ = nullptr;
    HBITMAP backBitmap_ = nullptr;
    HGDIOBJ previousBitmap_ = nullptr;
    GdiCanvas backCanvas_;
    GdiCanvas windowCanvas_;
};

}  // namespace tintfall
