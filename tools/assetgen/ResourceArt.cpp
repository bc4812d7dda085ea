#include "tools/assetgen/ResourceArt.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "tools/assetgen/BlockArt.h"
#include "tools/assetgen/Theme.h"

namespace tintfall::assetgen {
namespace {

constexpr double kPi = 3.141592653589793;

void stripes(Picture& p, bool vertical, const Rgb (&colours)[3]) {
    cairo_t* cr = p.cr();
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    const int w = p.width(), h = p.height();
    for (int i = 0; i < 3; ++i) {
        if (vertical) fillRect(cr, (w * i) / 3, 0, (w * (i + 1)) / 3 - (w * i) / 3, h, colours[i]);
        else fillRect(cr, 0, (h * i) / 3, w, (h * (i + 1)) / 3 - (h * i) / 3, colours[i]);
    }
    // A thin dark edge so the white stripe does not melt into the dialog.
    cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
    strokePath(cr, hex(0x303030), 1);
}

}  // namespace

std::unique_ptr<Picture> aboutLogo() {
    auto p = gradientPicture(140, 93, hex(0x232B66), hex(0x0A0C20));
    cairo_t* cr = p->cr();
    // A little column of blocks on each side of the name.
    for (int i = 0; i < 3; ++i) {
        drawCell(cr, 11, i, 6, 8 + i * 17, 16, 16);
        drawCell(cr, 11, 5 - i, 118, 8 + i * 17, 16, 16);
    }
    const std::string name = "Tintfall";
    useFont(cr, Font::Serif, 19);
    double x = 70 - textWidth(cr, name) / 2;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const std::string letter(1, name[i]);
        leftText(cr, letter, x + 1.5, 42.5, {0, 0, 0}, 0.7);
        leftText(cr, letter, x, 41, lighten(blockColour(static_cast<int>(i % 6)), 0.2));
        x += textWidth(cr, letter);
    }
    useFont(cr, Font::CondensedBold, 8);
    centredText(cr, "colour puzzle", 70, 60, theme::kLabel);
    for (int i = 0; i < 6; ++i) drawCell(cr, 11, i, 25 + i * 15, 70, 15, 15);
    return p;
}

std::unique_ptr<Picture> blockSetPreview(int set) {
    auto p = std::make_unique<Picture>(130, 20);
    cairo_t* cr = p->cr();
    fillRect(cr, 0, 0, 130, 20, hex(0x0A0E1A));
    for (int i = 0; i < 6; ++i) drawCell(cr, set, i, i * 22, 0, 20, 20);
    return p;
}

std::unique_ptr<Picture> flagNetherlands() {
    auto p = std::make_unique<Picture>(70, 45);
    stripes(*p, false, {hex(0xAE1C28), hex(0xFFFFFF), hex(0x21468B)});
    return p;
}

std::unique_ptr<Picture> flagBelgium() {
    auto p = std::make_unique<Picture>(70, 45);
    stripes(*p, true, {hex(0x000000), hex(0xFDDA24), hex(0xEF3340)});
    return p;
}

std::unique_ptr<Picture> championPicture(int place) {
    const int heights[] = {122, 97, 77};
    const int h = heights[std::clamp(place, 1, 3) - 1];
    const int w = 125;
    auto p = std::make_unique<Picture>(w, h);
    cairo_t* cr = p->cr();
    const Rgb medals[] = {hex(0xF2C230), hex(0xC8CED8), hex(0xD08A4A)};
    const Rgb shirts[] = {hex(0xF07A20), hex(0x2D6BE0), hex(0xE23B2E)};
    const Rgb medal = medals[place - 1];
    cairo_rectangle(cr, 0, 0, w, h);
    fillVertical(cr, 0, h, lighten(theme::kPanelTop, 0.15), theme::kWindowBottom);
    // Rays behind the champion.
    cairo_save(cr);
    for (int i = 0; i < 12; ++i) {
        const double a = i * kPi / 6;
        cairo_move_to(cr, w / 2.0, h * 0.45);
        cairo_arc(cr, w / 2.0, h * 0.45, w, a, a + kPi / 14);
        cairo_close_path(cr);
    }
    fillPath(cr, medal, 0.12);
    cairo_restore(cr);
    // A stylised player: head, shoulders and raised arms holding a cup.
    const double s = h / 122.0;
    const double cx = w / 2.0;
    const double headY = h * 0.42;
    const Rgb skin = hex(0xF0C8A0);
    const Rgb shirt = shirts[place - 1];
    cairo_move_to(cr, cx - 34 * s, h);
    cairo_curve_to(cr, cx - 34 * s, headY + 22 * s, cx - 20 * s, headY + 16 * s, cx, headY + 16 * s);
    cairo_curve_to(cr, cx + 20 * s, headY + 16 * s, cx + 34 * s, headY + 22 * s, cx + 34 * s, h);
    cairo_close_path(cr);
    fillVertical(cr, headY, h, lighten(shirt, 0.15), darken(shirt, 0.3));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 8 * s);
    setColour(cr, darken(shirt, 0.1));
    cairo_move_to(cr, cx - 26 * s, headY + 26 * s);
    cairo_line_to(cr, cx - 12 * s, headY - 26 * s);
    cairo_move_to(cr, cx + 26 * s, headY + 26 * s);
    cairo_line_to(cr, cx + 12 * s, headY - 26 * s);
    cairo_stroke(cr);
    cairo_arc(cr, cx, headY, 13 * s, 0, 2 * kPi);
    fillPath(cr, skin);
    cairo_arc(cr, cx, headY - 3 * s, 13.5 * s, kPi * 1.05, kPi * 1.95);
    fillPath(cr, hex(0x4A2E1A));
    // The cup above the head.
    const double cupY = headY - 44 * s;
    cairo_move_to(cr, cx - 14 * s, cupY);
    cairo_line_to(cr, cx + 14 * s, cupY);
    cairo_curve_to(cr, cx + 14 * s, cupY + 14 * s, cx + 6 * s, cupY + 18 * s, cx + 3 * s, cupY + 20 * s);
    cairo_line_to(cr, cx + 3 * s, cupY + 24 * s);
    cairo_line_to(cr, cx + 9 * s, cupY + 27 * s);
    cairo_line_to(cr, cx - 9 * s, cupY + 27 * s);
    cairo_line_to(cr, cx - 3 * s, cupY + 24 * s);
    cairo_line_to(cr, cx - 3 * s, cupY + 20 * s);
    cairo_curve_to(cr, cx - 6 * s, cupY + 18 * s, cx - 14 * s, cupY + 14 * s, cx - 14 * s, cupY);
    cairo_close_path(cr);
    fillVertical(cr, cupY, cupY + 27 * s, lighten(medal, 0.5), darken(medal, 0.3));
    cairo_set_line_width(cr, 2.5 * s);
    setColour(cr, darken(medal, 0.2));
    cairo_arc(cr, cx - 14 * s, cupY + 6 * s, 5 * s, kPi / 2, kPi * 1.5);
    cairo_stroke(cr);
    cairo_arc(cr, cx + 14 * s, cupY + 6 * s, 5 * s, -kPi / 2, kPi / 2);
    cairo_stroke(cr);
    // The place on the shirt.
    useFont(cr, Font::Serif, 20 * s);
    centredText(cr, std::to_string(place), cx, h - 6 * s, medal);
    return p;
}

std::unique_ptr<Picture> iconPicture(int size) {
    auto p = std::make_unique<Picture>(size, size);
    // Four gems in a square, each a different colour: readable even at 16 pixels.
    const double cell = (size - 2) / 2.0;
    const int colours[] = {0, 3, 2, 1};
    for (int i = 0; i < 4; ++i) {
        Picture gem(static_cast<int>(std::ceil(cell)), static_cast<int>(std::ceil(cell)));
        drawCell(gem.cr(), size < 24 ? 1 : 11, colours[i], 0, 0, cell, cell);
        p->paste(gem, 1 + (i % 2) * cell, 1 + (i / 2) * cell);
    }
    return p;
}

std::unique_ptr<Picture> handCursor() {
    auto p = std::make_unique<Picture>(32, 32);
    cairo_t* cr = p->cr();
    // A pointing hand: the index finger up, its outline's tip on the hotspot
    // pixel (the offsets centre the tip on that pixel, nothing above it).
    cairo_translate(cr, 0.5, 0.6);
    cairo_new_path(cr);
    const double fx = kCursorHotspotX;
    cairo_move_to(cr, fx - 2.5, 13);
    cairo_line_to(cr, fx - 2.5, 3.5);
    cairo_arc(cr, fx, 3.5, 2.5, kPi, 2 * kPi);
    cairo_line_to(cr, fx + 2.5, 12);
    // The three folded fingers as bumps across the top of the palm.
    cairo_arc(cr, fx + 5, 12.5, 2.5, kPi, 2 * kPi);
    cairo_arc(cr, fx + 10, 13.5, 2.5, kPi, 2 * kPi);
    cairo_arc(cr, fx + 15, 14.5, 2.5, kPi, 2 * kPi);
    cairo_line_to(cr, fx + 17.5, 22);
    cairo_curve_to(cr, fx + 17.5, 27, fx + 14, 30, fx + 9, 30);
    cairo_line_to(cr, fx + 3, 30);
    cairo_curve_to(cr, fx - 1, 30, fx - 3, 27, fx - 5, 24);
    // The thumb resting on the left.
    cairo_line_to(cr, fx - 9, 18);
    cairo_curve_to(cr, fx - 10.5, 15.5, fx - 7, 14, fx - 5, 16);
    cairo_line_to(cr, fx - 2.5, 19);
    cairo_close_path(cr);
    setColour(cr, {1, 1, 1});
    cairo_fill_preserve(cr);
    strokePath(cr, {0, 0, 0}, 1.2);
    cairo_set_line_width(cr, 1);
    for (double x : {fx + 2.5, fx + 7.5, fx + 12.5}) {
        cairo_move_to(cr, x, 13 + (x - fx) / 5);
        cairo_line_to(cr, x, 18);
    }
    cairo_stroke(cr);
    return p;
}

}  // namespace tintfall::assetgen
