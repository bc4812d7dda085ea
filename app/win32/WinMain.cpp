// The program entry: the window class, the main window, timer 1 and the
// message loop with the key pre-translation before the accelerators.
#include <windows.h>
#include <windowsx.h>

#include "app/win32/DlgRunner.h"
#include "app/win32/MenuUpdate.h"
#include "app/win32/SmallDialogs.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32Sound.h"
#include "resources/resource_ids.h"
#include "shell/MainWindow.h"

namespace tintfall {
namespace {

// The installer and uninstaller look for a window of this class to see
// whether the game runs (installer/tintfall.nsi).
constexpr const char* kClassName = "TintfallMainWindow";
constexpr UINT_PTR kTimerId = 1;

// The program-wide objects, owned by runProgram for the life of the window.
struct Program {
    Win32Files files;
    Win32Clock clock;
    Win32Sound sound;
    ProgramWindowServices services;
    ProgramDialogs dialogs;
    MainWindow window;
    explicit Program(HINSTANCE instance)
        : services(instance),
          dialogs(instance, files, clock),
          window(files, clock, sound, services, dialogs.runner, dialogs.internet, dialogs.random) {}
};

Program* program = nullptr;

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (program == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
    MainWindow& window = program->window;
    switch (message) {
        case WM_CREATE: {
            program->services.attach(hwnd);
            program->dialogs.attach(hwnd);
            window.onCreate();
            SetTimer(hwnd, kTimerId, kTickMilliseconds, nullptr);
            // The class has no background brush: every pixel comes from the back buffer.
            SetClassLongPtrA(hwnd, GCLP_HBRBACKGROUND, 0);
            const ScreenSize client = window.clientPixels();
            program->services.resizeClient(client.width, client.height);
            return 0;
        }
        case WM_DPICHANGED:
            // The window moved to a screen of another resolution: the same
            // layout at that screen's scale, the top-left corner kept.
            window.onDpiChanged(LOWORD(wParam));
            return 0;
        case WM_TIMER:
            if (wParam == kTimerId) window.onTick();
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            BeginPaint(hwnd, &paint);
            window.onPaint();
            EndPaint(hwnd, &paint);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_ACTIVATEAPP:
            window.onActivateApp(wParam != 0);
            return 0;
        case WM_INITMENUPOPUP:
            applyMenuState(GetMenu(hwnd), window.currentMenuState());
            return 0;
        case WM_COMMAND:
            window.onCommand(LOWORD(wParam));
            return 0;
        case WM_KEYDOWN:
            window.onKeyDown(static_cast<int>(wParam));
            return 0;
        case WM_MOUSEMOVE:
            window.onMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        case WM_LBUTTONDOWN:
            window.onLeftButtonDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        case WM_LBUTTONUP:
            window.onLeftButtonUp(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        case WM_RBUTTONUP:
            window.onRightButtonUp();
            return 0;
        case WM_DESTROY:
            window.onDestroy();
            KillTimer(hwnd, kTimerId);
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

void centreInWorkArea(HWND hwnd) {
    RECT work;
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) return;
    RECT frame;
    GetWindowRect(hwnd, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int x = work.left + ((work.right - work.left) - width) / 2;
    const int y = work.top + ((work.bottom - work.top) - height) / 2;
    SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

int runProgram(HINSTANCE instance) {
    timeBeginPeriod(1);

    Program owner(instance);
    program = &owner;

    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_TINTFALL));
    windowClass.hIconSm = static_cast<HICON>(
        LoadImageA(instance, MAKEINTRESOURCEA(IDI_TINTFALL), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // the arrow
    windowClass.hbrBackground = nullptr;
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassExA(&windowClass)) return 1;

    char title[64] = "Tintfall";
    LoadStringA(instance, IDS_APP_TITLE, title, sizeof title);
    HMENU menu = LoadMenuA(instance, MAKEINTRESOURCEA(IDR_MAINMENU));
    HWND hwnd = CreateWindowExA(Win32WindowServices::kExStyle, kClassName, title, Win32WindowServices::kStyle,
                                CW_USEDEFAULT, CW_USEDEFAULT, 200, 200, nullptr, menu, instance, nullptr);
    if (hwnd == nullptr) return 1;
    centreInWorkArea(hwnd);
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);

    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_MAINMENU));
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_KEYDOWN || message.message == WM_KEYUP) {
            program->window.preTranslateKey(message.message == WM_KEYDOWN, static_cast<int>(message.wParam));
        }
        if (!TranslateAcceleratorA(hwnd, accelerators, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    // After a confirmed quit the window still exists; destroying it releases
    // the pictures and keeps the size choice.
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
    program = nullptr;
    timeEndPeriod(1);
    return static_cast<int>(message.wParam);
}

}  // namespace
}  // namespace tintfall

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return tintfall::runProgram(instance); }
