#include "tools/assetgen/BlockArt.h"

#include <algorithm>
#include <cmath>

namespace tintfall::assetgen {
namespace {

constexpr double kPi = 3.141592653589793;
// The dark gap between cells, shared by every set so the field reads as one grid.
const Rgb kGap = hex(0x0A0E1A);

struct Cell {
    double x, y, w, h;
    double cx() const { return x + w / 2; }
    double cy() const { return y + h / 2; }
    double m() const { return std::min(w, h); }
};

void gradientFill(cairo_t* cr, const Cell& c, Rgb top, Rgb bottom) { fillVertical(cr, c.y, c.y + c.h, top, bottom); }

void radialFill(cairo_t* cr, double fx, double fy, double cx, double cy, double r, Rgb inner, Rgb outer) {
    cairo_pattern_t* p = cairo_pattern_create_radial(fx, fy, r * 0.05, cx, cy, r);
    cairo_pattern_add_color_stop_rgb(p, 0, inner.r, inner.g, inner.b);
    cairo_pattern_add_color_stop_rgb(p, 1, outer.r, outer.g, outer.b);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void polygon(cairo_t* cr, const double* xy, int points) {
    cairo_move_to(cr, xy[0], xy[1]);
    for (int i = 1; i < points; ++i) cairo_line_to(cr, xy[2 * i], xy[2 * i + 1]);
    cairo_close_path(cr);
}

void regular(cairo_t* cr, double cx, double cy, double rx, double ry, int sides, double turn) {
    for (int i = 0; i < sides; ++i) {
        const double a = turn + 2 * kPi * i / sides;
        if (i == 0) cairo_move_to(cr, cx + rx * std::cos(a), cy + ry * std::sin(a));
        else cairo_line_to(cr, cx + rx * std::cos(a), cy + ry * std::sin(a));
    }
    cairo_close_path(cr);
}

void star(cairo_t* cr, double cx, double cy, double outer, double inner, int points) {
    for (int i = 0; i < 2 * points; ++i) {
        const double a = -kPi / 2 + kPi * i / points;
        const double r = i % 2 == 0 ? outer : inner;
        if (i == 0) cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
        else cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
}

void shine(cairo_t* cr, const Cell& c, double alpha) {
    cairo_save(cr);
    cairo_translate(cr, c.x + c.w * 0.38, c.y + c.h * 0.27);
    cairo_scale(cr, c.w * 0.28, c.h * 0.14);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    fillPath(cr, {1, 1, 1}, alpha);
}

// The symbol of each colour in the colour-blind friendly set.
void symbol(cairo_t* cr, int colour, double cx, double cy, double r) {
    switch (colour) {
        case 0: cairo_arc(cr, cx, cy, r * 0.8, 0, 2 * kPi); break;
        case 1: regular(cr, cx, cy + r * 0.15, r, r, 3, -kPi / 2); break;
        case 2: cairo_rectangle(cr, cx - r * 0.72, cy - r * 0.72, r * 1.44, r * 1.44); break;
        case 3: regular(cr, cx, cy, r * 0.85, r, 4, -kPi / 2); break;
        case 4: star(cr, cx, cy + r * 0.08, r * 1.05, r * 0.45, 5); break;
        default: {
            const double t = r * 0.32;
            const double xy[] = {cx - t, cy - r, cx + t, cy - r, cx + t, cy - t, cx + r, cy - t, cx + r, cy + t, cx + t, cy + t,
                                 cx + t, cy + r, cx - t, cy + r, cx - t, cy + t, cx - r, cy + t, cx - r, cy - t, cx - t, cy - t};
            polygon(cr, xy, 12);
        }
    }
}

void glossyGem(cairo_t* cr, const Cell& c, Rgb col) {
    roundedRect(cr, c.x + 1, c.y + 1, c.w - 2, c.h - 2, c.m() * 0.22);
    gradientFill(cr, c, lighten(col, 0.4), darken(col, 0.15));
    roundedRect(cr, c.x + 1.5, c.y + 1.5, c.w - 3, c.h - 3, c.m() * 0.22);
    strokePath(cr, darken(col, 0.55), 1);
    shine(cr, c, 0.5);
}

void flatTile(cairo_t* cr, const Cell& c, Rgb col) {
    fillRect(cr, c.x + 1, c.y + 1, c.w - 2, c.h - 2, col);
    const double b = std::max(2.0, c.m() / 12);
    fillRect(cr, c.x + 1, c.y + 1, c.w - 2, b, lighten(col, 0.4));
    fillRect(cr, c.x + 1, c.y + 1, b, c.h - 2, lighten(col, 0.25));
    fillRect(cr, c.x + 1, c.y + c.h - 1 - b, c.w - 2, b, darken(col, 0.35));
    fillRect(cr, c.x + c.w - 1 - b, c.y + 1, b, c.h - 2, darken(col, 0.25));
    fillRect(cr, c.x + c.w * 0.3, c.y + c.h * 0.3, c.w * 0.4, c.h * 0.4, lighten(col, 0.12));
}

void marble(cairo_t* cr, const Cell& c, Rgb col) {
    const double r = c.m() / 2 - 1;
    cairo_arc(cr, c.cx(), c.cy(), r, 0, 2 * kPi);
    radialFill(cr, c.cx() - r * 0.35, c.cy() - r * 0.4, c.cx(), c.cy(), r, lighten(col, 0.7), darken(col, 0.3));
    cairo_save(cr);
    cairo_arc(cr, c.cx(), c.cy(), r, 0, 2 * kPi);
    cairo_clip(cr);
    // A swirl of the marble's lighter colour.
    cairo_set_line_width(cr, r * 0.18);
    setColour(cr, lighten(col, 0.45), 0.45);
    cairo_arc(cr, c.cx() + r * 0.5, c.cy() + r * 0.3, r * 0.8, kPi * 0.9, kPi * 1.6);
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_arc(cr, c.cx() - r * 0.35, c.cy() - r * 0.4, r * 0.2, 0, 2 * kPi);
    fillPath(cr, {1, 1, 1}, 0.85);
}

void glass(cairo_t* cr, const Cell& c, Rgb col) {
    roundedRect(cr, c.x + 1.5, c.y + 1.5, c.w - 3, c.h - 3, c.m() * 0.12);
    gradientFill(cr, c, mix(kGap, col, 0.7), mix(kGap, col, 0.4));
    roundedRect(cr, c.x + 1.5, c.y + 1.5, c.w - 3, c.h - 3, c.m() * 0.12);
    strokePath(cr, lighten(col, 0.3), std::max(1.5, c.m() / 16));
    cairo_save(cr);
    roundedRect(cr, c.x + 1.5, c.y + 1.5, c.w - 3, c.h - 3, c.m() * 0.12);
    cairo_clip(cr);
    cairo_move_to(cr, c.x + c.w * 0.15, c.y + c.h);
    cairo_line_to(cr, c.x + c.w * 0.45, c.y + c.h);
    cairo_line_to(cr, c.x + c.w * 0.95, c.y);
    cairo_line_to(cr, c.x + c.w * 0.65, c.y);
    cairo_close_path(cr);
    fillPath(cr, {1, 1, 1}, 0.22);
    cairo_restore(cr);
}

// Pixel art on an 8 x 8 grid of fat pixels; no anti-aliasing.
void pixelBlock(cairo_t* cr, const Cell& c, Rgb col) {
    static const char* const kPattern[8] = {
        "########", "#hhhhhh#", "#hccccs#", "#hcwccs#", "#hccccs#", "#hccccs#", "#hsssss#", "########",
    };
    cairo_save(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    for (int row = 0; row < 8; ++row) {
        for (int col8 = 0; col8 < 8; ++col8) {
            const double x0 = std::floor(c.x + c.w * col8 / 8);
            const double x1 = std::floor(c.x + c.w * (col8 + 1) / 8);
            const double y0 = std::floor(c.y + c.h * row / 8);
            const double y1 = std::floor(c.y + c.h * (row + 1) / 8);
            Rgb p = col;
            switch (kPattern[row][col8]) {
                case '#': p = darken(col, 0.7); break;
                case 'h': p = lighten(col, 0.45); break;
                case 's': p = darken(col, 0.35); break;
                case 'w': p = lighten(col, 0.85); break;
                default: break;
            }
            fillRect(cr, x0, y0, x1 - x0, y1 - y0, p);
        }
    }
    cairo_restore(cr);
}

void symbolTile(cairo_t* cr, const Cell& c, Rgb col, int colour) {
    roundedRect(cr, c.x + 1, c.y + 1, c.w - 2, c.h - 2, c.m() * 0.15);
    gradientFill(cr, c, lighten(col, 0.1), darken(col, 0.3));
    symbol(cr, colour, c.cx(), c.cy(), c.m() * 0.28);
    setColour(cr, {1, 1, 1}, 0.95);
    cairo_fill_preserve(cr);
    strokePath(cr, darken(col, 0.6), 1);
}

void candy(cairo_t* cr, const Cell& c, Rgb col) {
    const Rgb pastel = lighten(col, 0.35);
    roundedRect(cr, c.x + 1, c.y + 1, c.w - 2, c.h - 2, c.m() * 0.4);
    gradientFill(cr, c, lighten(pastel, 0.3), pastel);
    cairo_save(cr);
    roundedRect(cr, c.x + 1, c.y + 1, c.w - 2, c.h - 2, c.m() * 0.4);
    cairo_clip(cr);
    setColour(cr, {1, 1, 1}, 0.35);
    cairo_set_line_width(cr, c.m() * 0.12);
    for (double d = -c.h; d < c.w; d += c.m() * 0.3) {
        cairo_move_to(cr, c.x + d, c.y + c.h);
        cairo_line_to(cr, c.x + d + c.h, c.y);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    roundedRect(cr, c.x + 1.5, c.y + 1.5, c.w - 3, c.h - 3, c.m() * 0.4);
    strokePath(cr, darken(col, 0.2), 1);
    shine(cr, c, 0.55);
}

void neon(cairo_t* cr, const Cell& c, Rgb col) {
    fillRect(cr, c.x, c.y, c.w, c.h, hex(0x05060C));
    const Rgb bright = lighten(col, 0.25);
    // Tube and glow grow with the cell so the big cells glow as brightly.
    const double unit = c.m() / 30;
    const double inset = 4 * unit;
    for (int i = 3; i >= 0; --i) {
        roundedRect(cr, c.x + inset, c.y + inset, c.w - 2 * inset, c.h - 2 * inset, c.m() * 0.18);
        strokePath(cr, i == 0 ? lighten(bright, 0.5) : bright, (i == 0 ? 1.5 : 1.5 + 1.6 * i) * unit, i == 0 ? 1.0 : 0.22);
    }
    roundedRect(cr, c.x + inset + 2 * unit, c.y + inset + 2 * unit, c.w - 2 * inset - 4 * unit, c.h - 2 * inset - 4 * unit,
                c.m() * 0.12);
    fillPath(cr, col, 0.35);
}

void bevel(cairo_t* cr, const Cell& c, Rgb col) {
    const double b = c.m() * 0.2;
    const double x0 = c.x + 1, y0 = c.y + 1, x1 = c.x + c.w - 1, y1 = c.y + c.h - 1;
    bevelFaces(cr, x0, y0, x1, y1, b, lighten(col, 0.5), lighten(col, 0.25), darken(col, 0.45), darken(col, 0.3));
    cairo_rectangle(cr, x0 + b, y0 + b, x1 - x0 - 2 * b, y1 - y0 - 2 * b);
    gradientFill(cr, c, lighten(col, 0.08), darken(col, 0.08));
}

void hexGem(cairo_t* cr, const Cell& c, Rgb col) {
    regular(cr, c.cx(), c.cy(), c.w / 2 - 1, c.h / 2 - 1, 6, 0);
    gradientFill(cr, c, lighten(col, 0.2), darken(col, 0.45));
    regular(cr, c.cx(), c.cy(), c.w * 0.26, c.h * 0.26, 6, 0);
    gradientFill(cr, c, lighten(col, 0.6), lighten(col, 0.05));
    cairo_set_line_width(cr, 1);
    setColour(cr, lighten(col, 0.5), 0.6);
    for (int i = 0; i < 6; ++i) {
        const double a = 2 * kPi * i / 6;
        cairo_move_to(cr, c.cx() + c.w * 0.26 * std::cos(a), c.cy() + c.h * 0.26 * std::sin(a));
        cairo_line_to(cr, c.cx() + (c.w / 2 - 1) * std::cos(a), c.cy() + (c.h / 2 - 1) * std::sin(a));
    }
    cairo_stroke(cr);
    regular(cr, c.cx(), c.cy(), c.w / 2 - 1, c.h / 2 - 1, 6, 0);
    setColour(cr, darken(col, 0.6));
    cairo_stroke(cr);
}

void metal(cairo_t* cr, const Cell& c, Rgb col) {
    cairo_rectangle(cr, c.x + 1, c.y + 1, c.w - 2, c.h - 2);
    cairo_pattern_t* p = cairo_pattern_create_linear(c.x, c.y, c.x + c.w, c.y + c.h);
    const Rgb stops[] = {lighten(col, 0.55), mix(col, {0.5, 0.5, 0.55}, 0.25), lighten(col, 0.3), darken(col, 0.35)};
    for (int i = 0; i < 4; ++i) cairo_pattern_add_color_stop_rgb(p, i / 3.0, stops[i].r, stops[i].g, stops[i].b);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_rectangle(cr, c.x + 1.5, c.y + 1.5, c.w - 3, c.h - 3);
    strokePath(cr, darken(col, 0.6), 1);
    const double r = std::max(1.5, c.m() / 14);
    const double inset = r + 3;
    for (int i = 0; i < 4; ++i) {
        const double rx = i % 2 ? c.x + c.w - inset : c.x + inset;
        const double ry = i / 2 ? c.y + c.h - inset : c.y + inset;
        cairo_arc(cr, rx, ry, r, 0, 2 * kPi);
        radialFill(cr, rx - r * 0.4, ry - r * 0.4, rx, ry, r, {0.95, 0.95, 0.95}, darken(col, 0.5));
    }
}

void jewel(cairo_t* cr, const Cell& c, Rgb col) {
    // An octagonal cut: the table facet in the middle and four crown facets
    // around it, lit from the top left.
    const double ax = c.w * 0.3, ay = c.h * 0.3;
    const double x0 = c.x + 1, y0 = c.y + 1, x1 = c.x + c.w - 1, y1 = c.y + c.h - 1;
    const double cut = c.m() * 0.22;
    const double outer[] = {x0 + cut, y0, x1 - cut, y0, x1, y0 + cut, x1, y1 - cut, x1 - cut, y1, x0 + cut, y1, x0, y1 - cut, x0, y0 + cut};
    polygon(cr, outer, 8);
    fillPath(cr, darken(col, 0.2));
    const double tx0 = c.cx() - ax / 2 - 2, tx1 = c.cx() + ax / 2 + 2, ty0 = c.cy() - ay / 2 - 2, ty1 = c.cy() + ay / 2 + 2;
    const double topFacet[] = {x0 + cut, y0, x1 - cut, y0, tx1, ty0, tx0, ty0};
    const double leftFacet[] = {x0, y0 + cut, tx0, ty0, tx0, ty1, x0, y1 - cut};
    const double rightFacet[] = {x1, y0 + cut, x1, y1 - cut, tx1, ty1, tx1, ty0};
    const double bottomFacet[] = {x0 + cut, y1, tx0, ty1, tx1, ty1, x1 - cut, y1};
    polygon(cr, topFacet, 4);
    fillPath(cr, lighten(col, 0.45));
    polygon(cr, leftFacet, 4);
    fillPath(cr, lighten(col, 0.2));
    polygon(cr, rightFacet, 4);
    fillPath(cr, darken(col, 0.3));
    polygon(cr, bottomFacet, 4);
    fillPath(cr, darken(col, 0.45));
    cairo_rectangle(cr, tx0, ty0, tx1 - tx0, ty1 - ty0);
    radialFill(cr, tx0 + 2, ty0 + 2, c.cx(), c.cy(), c.m() * 0.3, lighten(col, 0.55), col);
    polygon(cr, outer, 8);
    strokePath(cr, darken(col, 0.65), 1);
    star(cr, tx0 + 2, ty0 + 2, c.m() * 0.14, c.m() * 0.03, 4);
    fillPath(cr, {1, 1, 1}, 0.9);
}

// Bombs: a dark sphere with a fuse and spark; the ring colour and the size
// rise from small (6) to large (8).
void drawBomb(cairo_t* cr, int set, int size, const Cell& c) {
    const Rgb rings[] = {hex(0xF2D14B), hex(0xF08A24), hex(0xE8402A)};
    const double radii[] = {0.25, 0.32, 0.39};
    const Rgb ring = rings[size];
    const double r = c.m() * radii[size];
    const double bx = c.cx() - c.w * 0.03, by = c.cy() + c.h * 0.07;
    if (set == 7) {
        for (int i = 3; i >= 1; --i) {
            cairo_arc(cr, bx, by, r + i * 1.2, 0, 2 * kPi);
            fillPath(cr, ring, 0.15);
        }
    }
    cairo_arc(cr, bx, by, r + 1.5, 0, 2 * kPi);
    fillPath(cr, ring);
    cairo_arc(cr, bx, by, r, 0, 2 * kPi);
    radialFill(cr, bx - r * 0.4, by - r * 0.45, bx, by, r, hex(0x6A7085), hex(0x0C0E14));
    // Fuse cap and cord.
    const double capX = bx + r * 0.55, capY = by - r * 0.7;
    cairo_save(cr);
    cairo_translate(cr, capX, capY);
    cairo_rotate(cr, kPi / 4);
    cairo_rectangle(cr, -r * 0.22, -r * 0.16, r * 0.44, r * 0.32);
    cairo_restore(cr);
    fillPath(cr, hex(0x8A8F9C));
    cairo_move_to(cr, capX + r * 0.1, capY - r * 0.1);
    cairo_curve_to(cr, capX + r * 0.4, capY - r * 0.5, capX + r * 0.2, capY - r * 0.6, capX + r * 0.5, capY - r * 0.75);
    strokePath(cr, hex(0xC8B48A), std::max(1.0, c.m() / 24));
    star(cr, capX + r * 0.5, capY - r * 0.75, c.m() * 0.1, c.m() * 0.035, 6);
    fillPath(cr, hex(0xFFF2A0));
    cairo_arc(cr, bx - r * 0.38, by - r * 0.4, r * 0.16, 0, 2 * kPi);
    fillPath(cr, {1, 1, 1}, 0.7);
}

// Each set's own take on the six colours.
Rgb setColour6(int set, int colour) {
    const Rgb base = blockColour(colour);
    switch (set) {
        case 6: return mix(base, {1, 1, 1}, 0.1);
        case 7: return lighten(base, 0.15);
        case 10: return mix(base, {0.6, 0.6, 0.65}, 0.2);
        default: return base;
    }
}

}  // namespace

Rgb blockColour(int colour) {
    // Red, green, blue, yellow, violet and cyan differ in hue and in
    // lightness, so the pairs that colour-blind players confuse still part.
    static const std::uint32_t kColours[6] = {0xE23B2E, 0x2FB84A, 0x2D6BE0, 0xF5C928, 0x9A48CF, 0x2BD0E0};
    return hex(kColours[std::clamp(colour, 0, 5)]);
}

void drawCell(cairo_t* cr, int set, int colour, double x, double y, double w, double h) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    fillRect(cr, x, y, w, h, kGap);
    const Cell c{x, y, w, h};
    if (colour >= 6) {
        drawBomb(cr, set, std::min(colour - 6, 2), c);
        cairo_restore(cr);
        return;
    }
    const Rgb col = setColour6(set, colour);
    switch (set) {
        case 0: glossyGem(cr, c, col); break;
        case 1: flatTile(cr, c, col); break;
        case 2: marble(cr, c, col); break;
        case 3: glass(cr, c, col); break;
        case 4: pixelBlock(cr, c, col); break;
        case 5: symbolTile(cr, c, col, colour); break;
        case 6: candy(cr, c, col); break;
        case 7: neon(cr, c, col); break;
        case 8: bevel(cr, c, col); break;
        case 9: hexGem(cr, c, col); break;
        case 10: metal(cr, c, col); break;
        default: jewel(cr, c, col); break;
    }
    cairo_restore(cr);
}

std::unique_ptr<Picture> cellStrip(int set, int cellWidth, int cellHeight) {
    auto strip = std::make_unique<Picture>(cellWidth * kCellFrames, cellHeight);
    for (int f = 0; f < kCellFrames; ++f) drawCell(strip->cr(), set, f, f * cellWidth, 0, cellWidth, cellHeight);
    return strip;
}

std::unique_ptr<Picture> removalStrip(int set, int cellWidth, int cellHeight) {
    auto strip = std::make_unique<Picture>(cellWidth * 6 * kRemovalSteps, cellHeight);
    cairo_t* cr = strip->cr();
    for (int colour = 0; colour < 6; ++colour) {
        Picture cell(cellWidth, cellHeight);
        drawCell(cell.cr(), set, colour, 0, 0, cellWidth, cellHeight);
        const Rgb sparkle = lighten(blockColour(colour), 0.6);
        for (int k = 0; k < kRemovalSteps; ++k) {
            const double x = (6 * k + colour) * cellWidth;
            fillRect(cr, x, 0, cellWidth, cellHeight, kGap);
            cairo_save(cr);
            cairo_rectangle(cr, x, 0, cellWidth, cellHeight);
            cairo_clip(cr);
            // The block shrinks and fades while holes eat into it.
            const double scale = 1.0 - 0.19 * k;
            const double alpha = 1.0 - 0.22 * k;
            Picture holed(cellWidth, cellHeight);
            holed.paste(cell, 0, 0);
            Noise holes(977u * static_cast<std::uint32_t>(set + 1) + static_cast<std::uint32_t>(colour));
            cairo_set_operator(holed.cr(), CAIRO_OPERATOR_CLEAR);
            for (int hy = 0; hy < cellHeight; hy += 2) {
                for (int hx = 0; hx < cellWidth; hx += 2) {
                    if (holes.unit() < 0.2 * k) cairo_rectangle(holed.cr(), hx, hy, 2, 2);
                }
            }
            cairo_fill(holed.cr());
            cairo_save(cr);
            cairo_translate(cr, x + cellWidth / 2.0, cellHeight / 2.0);
            cairo_rotate(cr, 0.12 * k);
            cairo_scale(cr, scale, scale);
            cairo_set_source_surface(cr, holed.surface(), -cellWidth / 2.0, -cellHeight / 2.0);
            cairo_paint_with_alpha(cr, alpha);
            cairo_restore(cr);
            if (k == 0) {
                // A flash lights the block up before it goes.
                cairo_save(cr);
                cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
                cairo_set_source_surface(cr, cell.surface(), x, 0);
                cairo_paint_with_alpha(cr, 0.45);
                cairo_restore(cr);
            }
            Noise particles(31u * static_cast<std::uint32_t>(colour) + 5u);
            for (int p = 0; p < 7; ++p) {
                const double angle = particles.range(0, 2 * kPi);
                const double distance = (0.12 + 0.1 * k) * cellWidth * particles.range(0.7, 1.3);
                const double px = x + cellWidth / 2.0 + std::cos(angle) * distance;
                const double py = cellHeight / 2.0 + std::sin(angle) * distance;
                const double size = cellWidth * 0.07 * (1.0 - 0.12 * k);
                star(cr, px, py, size, size * 0.3, 4);
                fillPath(cr, sparkle, std::min(1.0, 0.35 + 0.2 * k) * (k == 4 ? 0.6 : 1.0));
            }
            cairo_restore(cr);
        }
    }
    return strip;
}

std::unique_ptr<Picture> explosionStrip(int cellWidth, int cellHeight) {
    auto strip = std::make_unique<Picture>(cellWidth * kExplosionFrames, cellHeight);
    cairo_t* cr = strip->cr();
    const double m = std::min(cellWidth, cellHeight);
    const double radius[] = {0.22, 0.4, 0.5, 0.48, 0.42};
    const Rgb core[] = {hex(0xFFFFF0), hex(0xFFF3A0), hex(0xFFC040), hex(0x8A5A40), hex(0x4A4650)};
    const Rgb edge[] = {hex(0xFFD040), hex(0xFF7A18), hex(0xD03010), hex(0x40384A), hex(0x1E1E28)};
    for (int k = 0; k < kExplosionFrames; ++k) {
        const double x = k * cellWidth;
        fillRect(cr, x, 0, cellWidth, cellHeight, kGap);
        cairo_save(cr);
        cairo_rectangle(cr, x, 0, cellWidth, cellHeight);
        cairo_clip(cr);
        const double cx = x + cellWidth / 2.0, cy = cellHeight / 2.0;
        const double r = m * radius[k];
        star(cr, cx, cy, r * 1.15, r * 0.7, 9);
        radialFill(cr, cx, cy, cx, cy, r * 1.15, core[k], edge[k]);
        Noise embers(202u + static_cast<std::uint32_t>(k));
        for (int e = 0; e < 8 && k >= 1; ++e) {
            const double angle = embers.range(0, 2 * kPi);
            const double d = r * embers.range(0.9, 1.4);
            cairo_arc(cr, cx + std::cos(angle) * d, cy + std::sin(angle) * d, m * 0.035, 0, 2 * kPi);
            fillPath(cr, k < 3 ? hex(0xFFD060) : hex(0xC06030), 1.0 - 0.15 * k);
        }
        cairo_restore(cr);
    }
    return strip;
}

}  // namespace tintfall::assetgen
