// Test helper run under Wine beside tintfall.exe: finds the main window and
// reports or does one thing, printing its answer on standard output.
//   client          client width and height
//   title           the window title
//   box             title and texts of an open message box of the program
//   press ID        presses button ID of the open message box (1 OK, 6 Yes, 7 No)
//   close           closes the window as the close box does
//   wait SECONDS    waits until the window exists (exit code 1 if it never does)
//   version FILE    the version resource of a program file: "name: value" lines
//   invalidate FILE waits for FILE to exist, then invalidates the whole client area
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr const char* kClassName = "TintfallMainWindow";

HWND mainWindow() { return FindWindowA(kClassName, nullptr); }

BOOL CALLBACK printChildText(HWND child, LPARAM) {
    char text[4096] = {};
    GetWindowTextA(child, text, sizeof text);
    if (text[0]) std::printf("text: %s\n", text);
    return TRUE;
}

BOOL CALLBACK findBox(HWND window, LPARAM found) {
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) == "#32770" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// The version numbers and the texts of the US English, Windows-1252 block.
int printVersion(const char* file) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(file, &ignored);
    if (size == 0) {
        std::printf("no version\n");
        return 1;
    }
    std::string data(size, '\0');
    if (!GetFileVersionInfoA(file, 0, size, data.data())) return 1;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length) && fixed) {
        std::printf("numbers: %lu.%lu.%lu.%lu\n", fixed->dwFileVersionMS >> 16, fixed->dwFileVersionMS & 0xFFFF,
                    fixed->dwFileVersionLS >> 16, fixed->dwFileVersionLS & 0xFFFF);
    }
    for (const char* name : {"ProductName", "ProductVersion", "FileDescription", "FileVersion"}) {
        char* text = nullptr;
        const std::string key = std::string("\\StringFileInfo\\040904E4\\") + name;
        if (VerQueryValueA(data.data(), key.c_str(), reinterpret_cast<void**>(&text), &length) && text)
            std::printf("%s: %s\n", name, text);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const std::string command = argv[1];
    if (command == "wait") {
        const int seconds = argc > 2 ? std::atoi(argv[2]) : 30;
        for (int i = 0; i < seconds * 10; ++i) {
            if (HWND window = mainWindow(); window && IsWindowVisible(window)) return 0;
            Sleep(100);
        }
        return 1;
    }
    if (command == "version") return argc > 2 ? printVersion(argv[2]) : 2;
    HWND window = mainWindow();
    if (!window) {
        std::printf("no window\n");
        return 1;
    }
    if (command == "client") {
        RECT client;
        GetClientRect(window, &client);
        std::printf("%ld %ld\n", client.right - client.left, client.bottom - client.top);
    } else if (command == "title") {
        char text[256] = {};
        GetWindowTextA(window, text, sizeof text);
        std::printf("%s\n", text);
    } else if (command == "box" || command == "press") {
        HWND box = nullptr;
        EnumThreadWindows(GetWindowThreadProcessId(window, nullptr), findBox, reinterpret_cast<LPARAM>(&box));
        if (!box) {
            std::printf("no box\n");
            return 1;
        }
        if (command == "press") {
            const int button = argc > 2 ? std::atoi(argv[2]) : IDOK;
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
            return 0;
        }
        char title[256] = {};
        GetWindowTextA(box, title, sizeof title);
        std::printf("title: %s\n", title);
        EnumChildWindows(box, printChildText, 0);
    } else if (command == "invalidate") {
        // Started before the moment it is needed, since a new process takes
        // the foreground: waits for the file named, then asks the platform
        // to repaint the whole client area.
        const char* signal = argc > 2 ? argv[2] : "invalidate.now";
        for (int i = 0; i < 600 && GetFileAttributesA(signal) == INVALID_FILE_ATTRIBUTES; ++i) Sleep(50);
        InvalidateRect(window, nullptr, FALSE);
        std::printf("invalidated\n");
    } else if (command == "close") {
        PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else {
        return 2;
    }
    return 0;
}
