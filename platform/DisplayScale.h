#pragma once
// The screen's resolution against the layouts, which are measured in pixels
// at 96 DPI ("units"). A unit edge at u lies at the pixel edge nearest to
// u * dpi / 96, so rectangles that meet in units meet on the screen too.
namespace tintfall {

inline constexpr int kLayoutDpi = 96;

struct DisplayScale {
    int dpi = kLayoutDpi;

    // Below 96 DPI the layout is drawn 1:1.
    static DisplayScale of(int reportedDpi) { return DisplayScale{reportedDpi > kLayoutDpi ? reportedDpi : kLayoutDpi}; }

    bool identity() const { return dpi == kLayoutDpi; }
    // The pixel edge of a unit edge (negative edges too: the field's origin lies above the window).
    int toPixels(int units) const { return floorDivide(2 * units * dpi + kLayoutDpi, 2 * kLayoutDpi); }
    // The unit a pixel lies in, for the mouse.
    int toUnits(int pixels) const { return floorDivide(pixels * kLayoutDpi, dpi); }
    // The pixels of a span of units starting at a unit edge.
    int spanPixels(int start, int units) const { return toPixels(start + units) - toPixels(start); }

    bool operator==(const DisplayScale& other) const { return dpi == other.dpi; }
    bool operator!=(const DisplayScale& other) const { return dpi != other.dpi; }

private:
    static int floorDivide(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
};

}  // namespace tintfall
