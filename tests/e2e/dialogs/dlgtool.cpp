// Test helper run under Wine beside tintfall.exe: finds one of the program's
// dialogs by its title and looks at it or works it from outside, the way a
// player would, through window messages.
//   command ID                  posts menu command ID to the main window
//   mainkey VK [COUNT]          posts COUNT key presses of virtual key VK to the main window
//   box                         texts of an open message box titled "Tintfall" ("no box" if none)
//   nobox                       exit code 0 once no such message box is open (waits up to 5 s)
//   boxpress ID                 presses button ID (1 OK, 6 Yes, 7 No) of that message box
//   find TITLE                  exit code 0 when a window with this title exists
//   move TITLE X Y              moves the window (screen coordinates)
//   page TITLE N                shows page N of a property sheet
//   press TITLE ok|cancel       presses a property sheet's OK or Cancel
//   click TITLE ID              clicks the button ID (on the current page of a sheet)
//   settext TITLE ID TEXT       puts TEXT into the control ID
//   select TITLE ID N           selects entry N of the drop-down list ID and tells the dialog
//   show TITLE ID...            prints "ID enabled|disabled checked|unchecked text" per control
//   list TITLE ID               prints the entries of the drop-down list ID
//   children TITLE              prints id, class and text of every control of the window
//   rects TITLE                 prints "picture|text|other LEFT TOP RIGHT BOTTOM [WIDTH]" per
//                               control, in client pixels of the window; WIDTH is the width
//                               a text needs in the dialogs' font, "MS Sans Serif" 8 (a
//                               font handle of the program means nothing in this process)
//   key TITLE VK                sends a key-down and key-up of virtual key VK to the window
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Only windows of the program started in this folder count: other runs of
// the program may share the Wine server.
bool ours(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    HANDLE handle = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process);
    if (handle == nullptr) return false;
    char image[MAX_PATH] = {};
    DWORD size = sizeof image;
    const bool named = QueryFullProcessImageNameA(handle, 0, image, &size) != 0;
    CloseHandle(handle);
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof folder, folder);
    std::string path = image;
    const std::size_t slash = path.find_last_of("\\/");
    return named && slash != std::string::npos && lstrcmpiA(path.substr(0, slash).c_str(), folder) == 0;
}

struct Search {
    const char* className;
    const char* title;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    char text[512] = {};
    char name[64] = {};
    GetWindowTextA(window, text, sizeof text);
    GetClassNameA(window, name, sizeof name);
    if (search->title && std::string(text) != search->title) return TRUE;
    if (search->className && std::string(name) != search->className) return TRUE;
    if (!IsWindowVisible(window) || !ours(window)) return TRUE;
    search->found = window;
    return FALSE;
}

HWND findOurs(const char* className, const char* title) {
    Search search{className, title, nullptr};
    EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND findTitle(const char* title) {
    for (int tries = 0; tries < 50; ++tries) {
        if (HWND window = findOurs(nullptr, title)) return window;
        Sleep(100);
    }
    return nullptr;
}

// The window holding the controls: the current page of a property sheet,
// else the dialog itself.
HWND controlsOf(HWND dialog) {
    HWND page = reinterpret_cast<HWND>(SendMessageA(dialog, PSM_GETCURRENTPAGEHWND, 0, 0));
    return page ? page : dialog;
}

std::string textOf(HWND control) {
    char text[2048] = {};
    SendMessageA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

BOOL CALLBACK printControl(HWND control, LPARAM) {
    char name[64] = {};
    GetClassNameA(control, name, sizeof name);
    std::printf("%d %s %s\n", GetDlgCtrlID(control), name, textOf(control).c_str());
    return TRUE;
}

BOOL CALLBACK printRect(HWND control, LPARAM dialog) {
    char name[64] = {};
    GetClassNameA(control, name, sizeof name);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    const char* kind = "other";
    if (lstrcmpiA(name, "Static") == 0) kind = (style & SS_TYPEMASK) == SS_BITMAP ? "picture" : "text";
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, reinterpret_cast<HWND>(dialog), reinterpret_cast<POINT*>(&r), 2);
    std::printf("%s %ld %ld %ld %ld", kind, r.left, r.top, r.right, r.bottom);
    if (std::string(kind) == "text") {
        const std::string text = textOf(control);
        HDC dc = GetDC(nullptr);
        HFONT font = CreateFontA(-MulDiv(8, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                                 FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 DEFAULT_PITCH, "MS Sans Serif");
        HGDIOBJ old = SelectObject(dc, font);
        SIZE size{};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        SelectObject(dc, old);
        DeleteObject(font);
        ReleaseDC(nullptr, dc);
        std::printf(" %ld", size.cx);
    }
    std::printf("\n");
    return TRUE;
}

int usage() {
    std::fprintf(stderr, "usage: dlgtool find|move|page|press|click|settext|select|show|list|key TITLE ...\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string command = argv[1];
    if ((command == "command" || command == "mainkey" || command == "boxpress") && argc < 3) return usage();
    if (command == "command") {
        HWND main = findOurs("TintfallMainWindow", nullptr);
        if (main == nullptr) return 1;
        PostMessageA(main, WM_COMMAND, MAKEWPARAM(std::atoi(argv[2]), 0), 0);
        return 0;
    }
    if (command == "nobox") {
        for (int tries = 0; tries < 50; ++tries) {
            if (findOurs("#32770", "Tintfall") == nullptr) return 0;
            Sleep(100);
        }
        return 1;
    }
    if (command == "box" || command == "boxpress") {
        HWND box = nullptr;
        for (int tries = 0; tries < 100 && box == nullptr; ++tries) {
            box = findOurs("#32770", "Tintfall");
            if (box == nullptr) Sleep(100);
        }
        if (box == nullptr) {
            std::printf("no box\n");
            return 1;
        }
        if (command == "boxpress") {
            const int id = std::atoi(argv[2]);
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
            return 0;
        }
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            const std::string text = textOf(child);
            if (!text.empty()) std::printf("%s\n", text.c_str());
        }
        return 0;
    }
    if (command == "mainkey") {
        HWND main = findOurs("TintfallMainWindow", nullptr);
        if (main == nullptr) return 1;
        const WPARAM key = static_cast<WPARAM>(std::atoi(argv[2]));
        const int count = argc >= 4 ? std::atoi(argv[3]) : 1;
        for (int i = 0; i < count; ++i) {
            PostMessageA(main, WM_KEYDOWN, key, 1);
            Sleep(60);  // the game sees a key only on its 20 ms ticks
            PostMessageA(main, WM_KEYUP, key, 0xC0000001);
            Sleep(120);
        }
        return 0;
    }
    if (argc < 3) return usage();
    HWND dialog = findTitle(argv[2]);
    if (dialog == nullptr) {
        std::printf("no window\n");
        return 1;
    }
    if (command == "find") return 0;
    if (command == "move" && argc >= 5) {
        SetWindowPos(dialog, nullptr, std::atoi(argv[3]), std::atoi(argv[4]), 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        return 0;
    }
    if (command == "page" && argc >= 4) {
        SendMessageA(dialog, PSM_SETCURSEL, std::atoi(argv[3]), 0);
        return 0;
    }
    if (command == "press" && argc >= 4) {
        const std::string which = argv[3];
        PostMessageA(dialog, PSM_PRESSBUTTON, which == "ok" ? PSBTN_OK : PSBTN_CANCEL, 0);
        return 0;
    }
    HWND holder = controlsOf(dialog);
    if (command == "click" && argc >= 4) {
        // Posted, so a click that opens a modal window does not hold this tool.
        const int id = std::atoi(argv[3]);
        PostMessageA(holder, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(holder, id)));
        return 0;
    }
    if (command == "settext" && argc >= 5) {
        HWND target = GetDlgItem(holder, std::atoi(argv[3]));
        // A combo box that can be typed in takes the text in its edit box.
        char name[64] = {};
        GetClassNameA(target, name, sizeof name);
        if (std::string(name) != "Edit") {
            if (HWND edit = FindWindowExA(target, nullptr, "Edit", nullptr)) target = edit;
            else if (HWND combo = FindWindowExA(target, nullptr, "ComboBox", nullptr))
                if (HWND inner = FindWindowExA(combo, nullptr, "Edit", nullptr)) target = inner;
        }
        SendMessageA(target, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[4]));
        return 0;
    }
    if (command == "select" && argc >= 5) {
        const int id = std::atoi(argv[3]);
        HWND list = GetDlgItem(holder, id);
        SendMessageA(list, CB_SETCURSEL, std::atoi(argv[4]), 0);
        PostMessageA(holder, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
        return 0;
    }
    if (command == "show") {
        for (int i = 3; i < argc; ++i) {
            const int id = std::atoi(argv[i]);
            HWND control = GetDlgItem(holder, id);
            if (control == nullptr) {
                std::printf("%d missing\n", id);
                continue;
            }
            const bool checked = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
            std::printf("%d %s %s %s\n", id, IsWindowEnabled(control) ? "enabled" : "disabled",
                        checked ? "checked" : "unchecked", textOf(control).c_str());
        }
        return 0;
    }
    if (command == "list" && argc >= 4) {
        HWND list = GetDlgItem(holder, std::atoi(argv[3]));
        const LRESULT count = SendMessageA(list, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            // The wide call: the entry crosses the process boundary whole.
            wchar_t wide[512] = {};
            if (SendMessageW(list, CB_GETLBTEXTLEN, i, 0) < 512)
                SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(wide));
            char text[1024] = {};
            WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
            std::printf("%s\n", text);
        }
        std::printf("selected %d\n", static_cast<int>(SendMessageA(list, CB_GETCURSEL, 0, 0)));
        return 0;
    }
    if (command == "children") {
        EnumChildWindows(dialog, printControl, 0);
        return 0;
    }
    if (command == "rects") {
        EnumChildWindows(dialog, printRect, reinterpret_cast<LPARAM>(dialog));
        return 0;
    }
    if (command == "key" && argc >= 4) {
        const WPARAM key = static_cast<WPARAM>(std::atoi(argv[3]));
        PostMessageA(dialog, WM_KEYDOWN, key, 1);
        PostMessageA(dialog, WM_KEYUP, key, 0xC0000001);
        return 0;
    }
    return usage();
}
