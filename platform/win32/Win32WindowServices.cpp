#include "platform/win32/Win32WindowServices.h"

#include <shellapi.h>

#include "platform/win32/SystemRelease.h"
#include "platform/win32/WideText.h"
#include "resources/resource_ids.h"

namespace tintfall {

namespace {

// The full name of the program file; empty when it cannot be had.
std::wstring programFile() {
    std::wstring program(MAX_PATH, L'\0');
    for (int tries = 0; tries < 4; ++tries) {
        const DWORD length = GetModuleFileNameW(nullptr, program.data(), static_cast<DWORD>(program.size()));
        if (length == 0) return {};
        // A name that does not fit is cut to the buffer: try a larger one.
        if (length < program.size()) {
            program.resize(length);
            return program;
        }
        program.resize(program.size() * 4);
    }
    return {};
}

}  // namespace

Win32WindowServices::Win32WindowServices(HINSTANCE instance)
    : instance_(instance),
      backCanvas_([this] { return backDc_; }, [](HDC) {}),
      windowCanvas_([this] { return window_ ? GetDC(window_) : nullptr; },
                    [this](HDC dc) { ReleaseDC(window_, dc); }) {
    buttonCursor_ = static_cast<HCURSOR>(
        LoadImageA(instance_, MAKEINTRESOURCEA(IDC_BUTTON_HAND), IMAGE_CURSOR, 32, 32, LR_DEFAULTCOLOR));
}

Win32WindowServices::~Win32WindowServices() { releaseBackBuffer(); }

void Win32WindowServices::attach(HWND window) {
    window_ = window;
    defaultCursor_ = reinterpret_cast<HCURSOR>(GetClassLongPtrA(window_, GCLP_HCURSOR));
}

void Win32WindowServices::setTitle(const std::string& text) { SetWindowTextA(window_, text.c_str()); }

void Win32WindowServices::resizeClient(int width, int height) {
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, kStyle, TRUE, kExStyle);
    SetWindowPos(window_, HWND_TOP, 0, 0, frame.right - frame.left, frame.bottom - frame.top, SWP_NOMOVE);
    // A menu bar that wraps onto a second line takes client height, and on a
    // screen of another resolution than the system's the frame differs from
    // what AdjustWindowRectEx reckons; make up for both.
    RECT client;
    GetClientRect(window_, &client);
    const int missingWidth = width - (client.right - client.left);
    const int missingHeight = height - (client.bottom - client.top);
    if (missingWidth != 0 || missingHeight != 0) {
        SetWindowPos(window_, HWND_TOP, 0, 0, frame.right - frame.left + missingWidth,
                     frame.bottom - frame.top + missingHeight, SWP_NOMOVE);
    }
}

ScreenSize Win32WindowServices::screenSize() {
    return ScreenSize{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

int Win32WindowServices::dpi() {
    // GetDpiForWindow (Windows 10) knows the window's own monitor; before it,
    // the system's resolution is every window's.
    using DpiForWindow = UINT(WINAPI*)(HWND);
    static const auto dpiForWindow = reinterpret_cast<DpiForWindow>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    if (dpiForWindow != nullptr && window_ != nullptr) {
        const UINT dpi = dpiForWindow(window_);
        if (dpi != 0) return static_cast<int>(dpi);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi;
}

void Win32WindowServices::clearClassCursor() { SetClassLongPtrA(window_, GCLP_HCURSOR, 0); }

void Win32WindowServices::showButtonCursor() { SetCursor(buttonCursor_); }

void Win32WindowServices::restoreDefaultCursor() {
    SetClassLongPtrA(window_, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(defaultCursor_));
    SetCursor(defaultCursor_);
}

MessageAnswer Win32WindowServices::messageBox(const std::string& text, const std::string& title, MessageIcon icon,
                                              MessageButtons buttons) {
    UINT flags = buttons == MessageButtons::YesNo ? MB_YESNO : MB_OK;
    switch (icon) {
        case MessageIcon::Exclamation: flags |= MB_ICONEXCLAMATION; break;
        case MessageIcon::Information: flags |= MB_ICONINFORMATION; break;
        case MessageIcon::Question: flags |= MB_ICONQUESTION; break;
    }
    const int answer = MessageBoxW(window_, toWide(text).c_str(), toWide(title).c_str(), flags);
    if (answer == IDYES) return MessageAnswer::Yes;
    if (answer == IDNO) return MessageAnswer::No;
    return MessageAnswer::Ok;
}

void Win32WindowServices::postQuit(int exitCode) { PostQuitMessage(exitCode); }

void Win32WindowServices::shellOpen(const std::string& target) {
    ShellExecuteW(window_, L"open", toWide(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

SystemRelease Win32WindowServices::systemRelease() { return reportSystemRelease(); }

void Win32WindowServices::showHelp(int context) {
    // The help file is the program file with the extension ".hlp".
    std::wstring helpFile = programFile();
    if (helpFile.empty()) return;
    const std::size_t dot = helpFile.find_last_of(L'.');
    const std::size_t slash = helpFile.find_last_of(L"\\/");
    if (dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash)) helpFile.erase(dot);
    helpFile += L".hlp";
    // Viewers pass the name on as an 8-bit text.
    WinHelpW(window_, codePagePath(helpFile).c_str(), HELP_CONTEXT, static_cast<ULONG_PTR>(context));
}

void Win32WindowServices::showHelpPage(const std::string& page) {
    const std::wstring program = programFile();
    const std::size_t slash = program.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return;
    const std::wstring folder = program.substr(0, slash + 1);
    ShellExecuteW(window_, L"open", (folder + toWide(page)).c_str(), nullptr, folder.c_str(), SW_SHOWNORMAL);
}

void Win32WindowServices::createBackBuffer(int width, int height) {
    releaseBackBuffer();
    HDC windowDc = GetDC(window_);
    backDc_ = CreateCompatibleDC(windowDc);
    backBitmap_ = CreateCompatibleBitmap(windowDc, width, height);
    ReleaseDC(window_, windowDc);
    if (backDc_ && backBitmap_) previousBitmap_ = SelectObject(backDc_, backBitmap_);
}

void Win32WindowServices::releaseBackBuffer() {
    if (backDc_ && previousBitmap_) SelectObject(backDc_, previousBitmap_);
    if (backBitmap_) DeleteObject(backBitmap_);
    if (backDc_) DeleteDC(backDc_);
    backDc_ = nullptr;
    backBitmap_ = nullptr;
    previousBitmap_ = nullptr;
}

void Win32WindowServices::present(int x, int y, int width, int height) {
    if (!backDc_ || !window_) return;
    HDC windowDc = GetDC(window_);
    BitBlt(windowDc, x, y, width, height, backDc_, x, y, SRCCOPY);
    ReleaseDC(window_, windowDc);
}

}  // namespace tintfall
