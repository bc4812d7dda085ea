// Test helper run under Wine beside tintfall.exe: finds the main window and
// reports or does one thing, printing its answer on standard output.
//   client          client width and height
//   title           the window title
//   box             title and texts of an open message box of the program
//   press ID        presses button ID of the open message box (1 OK, 6 Yes, 7 No)
//   close           closes the window as the close box does
//   wait SECONDS    waits until the window exists (exit code 1 if it never does)
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
    } else if (command == "close") {
        PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else {
        return 2;
    }
    return 0;
}
