#pragma once
// Points and rectangles of the window's client area, in pixels.

namespace tintfall {

struct Point {
    int x = 0;
    int y = 0;
};

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

}  // namespace tintfall
