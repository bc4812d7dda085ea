/* The cheapest program that could stand where tintfall.exe stands: a bare
   window with the same frame and client size (given as "width height" on the
   command line, 483 x 407 by default) and a 20 ms timer that does nothing.
   The benchmarks measure the game against it in the same run. */
#include <windows.h>
#include <stdlib.h>

static LRESULT CALLBACK floorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
    (void)previous;
    (void)show;
    int width = 483;
    int height = 407;
    char* rest = commandLine;
    long w = strtol(commandLine, &rest, 10);
    long h = strtol(rest, NULL, 10);
    if (w > 0 && h > 0) {
        width = (int)w;
        height = (int)h;
    }

    WNDCLASSEXA windowClass = {0};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = floorProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(NULL, MAKEINTRESOURCEA(32512));
    windowClass.hbrBackground = (HBRUSH)GetStockObject(BLACK_BRUSH);
    windowClass.lpszClassName = "TintfallFloorWindow";
    if (!RegisterClassExA(&windowClass)) return 1;

    const DWORD style = WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame = {0, 0, width, height};
    AdjustWindowRectEx(&frame, style, FALSE, WS_EX_WINDOWEDGE);
    HWND hwnd = CreateWindowExA(WS_EX_WINDOWEDGE, windowClass.lpszClassName, "Floor", style, CW_USEDEFAULT,
                                CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, NULL, NULL,
                                instance, NULL);
    if (hwnd == NULL) return 1;
    SetTimer(hwnd, 1, 20, NULL);
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);

    MSG message;
    while (GetMessageA(&message, NULL, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return (int)message.wParam;
}
