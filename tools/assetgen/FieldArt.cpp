#include "tools/assetgen/FieldArt.h"

#include <cmath>

#include "tools/assetgen/BlockArt.h"
#include "tools/assetgen/Theme.h"

namespace tintfall::assetgen {
namespace {

constexpr double kPi = 3.141592653589793;

std::unique_ptr<Picture> fieldSized(const WindowLayout& l) {
    return std::make_unique<Picture>(l.fieldRect.width, l.fieldRect.height);
}

void stars(cairo_t* cr, int width, int height, int count, std::uint32_t seed, double maxAlpha) {
    Noise random(seed);
    for (int i = 0; i < count; ++i) {
        const double x = random.range(0, width), y = random.range(0, height);
        const double r = random.range(0.3, 1.2);
        cairo_arc(cr, x, y, r, 0, 2 * kPi);
        fillPath(cr, {1, 1, 0.95}, random.range(0.2, maxAlpha));
    }
}

}  // namespace

std::unique_ptr<Picture> coverPicture(const WindowLayout& l) {
    auto picture = fieldSized(l);
    cairo_t* cr = picture->cr();
    const int w = picture->width(), h = picture->height();
    const double s = w / 192.0;
    cairo_rectangle(cr, 0, 0, w, h);
    fillVertical(cr, 0, h, hex(0x1C2254), hex(0x080A18));
    stars(cr, w, h, 70, 17, 0.7);
    // A spray of falling blocks over the title.
    Noise random(5);
    for (int i = 0; i < 14; ++i) {
        const double size = l.cellWidth * random.range(0.45, 0.8);
        const double x = random.range(-size / 2, w - size / 2);
        const double y = random.range(-size / 2, h * 0.42);
        cairo_save(cr);
        cairo_translate(cr, x + size / 2, y + size / 2);
        cairo_rotate(cr, random.range(-0.5, 0.5));
        cairo_push_group(cr);
        drawCell(cr, 11, i % 6, -size / 2, -size / 2, size, size * l.cellHeight / l.cellWidth);
        cairo_pop_group_to_source(cr);
        cairo_paint_with_alpha(cr, 0.35 + 0.04 * (i % 6));
        cairo_restore(cr);
    }
    // The title, one colour per letter, on a soft plate.
    roundedRect(cr, 10 * s, h * 0.44, w - 20 * s, 62 * s, 10 * s);
    fillPath(cr, {0, 0, 0}, 0.45);
    const std::string name = "Tintfall";
    useFont(cr, Font::Serif, 34 * s);
    double x = w / 2.0 - textWidth(cr, name) / 2;
    const double baseline = h * 0.44 + 44 * s;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const std::string letter(1, name[i]);
        leftText(cr, letter, x + 2, baseline + 2, {0, 0, 0}, 0.7);
        leftText(cr, letter, x, baseline, lighten(blockColour(static_cast<int>(i % 6)), 0.2));
        x += textWidth(cr, letter);
    }
    useFont(cr, Font::CondensedBold, 11 * s);
    centredText(cr, "Line up three of a colour!", w / 2.0, h * 0.44 + 86 * s, theme::kLabel);
    useFont(cr, Font::Condensed, 10 * s);
    centredText(cr, "START or F2: new game", w / 2.0, h * 0.74, theme::kGold);
    centredText(cr, "Pause key: pause / resume", w / 2.0, h * 0.74 + 16 * s, theme::kLabel, 0.85);
    centredText(cr, "F1: help", w / 2.0, h * 0.74 + 32 * s, theme::kLabel, 0.85);
    // A row of the six gems at the bottom.
    const double gem = l.cellWidth * 0.8;
    for (int i = 0; i < 6; ++i) {
        drawCell(cr, 11, i, (w - 6 * gem) / 2 + i * gem, h - gem * 1.4, gem, gem * l.cellHeight / l.cellWidth);
    }
    return picture;
}

std::unique_ptr<Picture> colourField(const WindowLayout& l) {
    auto picture = fieldSized(l);
    cairo_t* cr = picture->cr();
    const int w = picture->width(), h = picture->height();
    // Soft bands of the block colours, dimmed so the blocks stand out.
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, w * 0.4, h);
    for (int i = 0; i <= 6; ++i) {
        const Rgb c = mix(blockColour(i % 6), hex(0x0C0F20), 0.72);
        cairo_pattern_add_color_stop_rgb(p, i / 6.0, c.r, c.g, c.b);
    }
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_set_line_width(cr, 1);
    setColour(cr, {1, 1, 1}, 0.06);
    for (int x = l.cellWidth; x < w; x += l.cellWidth) {
        cairo_move_to(cr, x - 0.5, 0);
        cairo_line_to(cr, x - 0.5, h);
    }
    for (int y = l.cellHeight; y < h; y += l.cellHeight) {
        cairo_move_to(cr, 0, y - 0.5);
        cairo_line_to(cr, w, y - 0.5);
    }
    cairo_stroke(cr);
    return picture;
}

std::unique_ptr<Picture> threeDField(const WindowLayout& l) {
    auto picture = fieldSized(l);
    cairo_t* cr = picture->cr();
    const int w = picture->width(), h = picture->height();
    fillRect(cr, 0, 0, w, h, hex(0x0E1020));
    // Every cell a recessed socket, lit from the top left.
    for (int y = 0; y < h; y += l.cellHeight) {
        for (int x = 0; x < w; x += l.cellWidth) {
            const double cw = l.cellWidth, ch = l.cellHeight, b = 3;
            cairo_rectangle(cr, x, y, cw, ch);
            fillVertical(cr, y, y + ch, hex(0x2A3050), hex(0x1A1E34));
            bevelFaces(cr, x, y, x + cw, y + ch, b, hex(0x080A14), hex(0x0C0E1A), hex(0x4A5488), hex(0x3A4270));
        }
    }
    // A light falling from above.
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_pattern_t* light = cairo_pattern_create_radial(w / 2.0, -h * 0.1, 0, w / 2.0, -h * 0.1, h * 0.9);
    cairo_pattern_add_color_stop_rgba(light, 0, 0.6, 0.7, 1, 0.18);
    cairo_pattern_add_color_stop_rgba(light, 1, 0, 0, 0, 0.0);
    cairo_set_source(cr, light);
    cairo_fill(cr);
    cairo_pattern_destroy(light);
    return picture;
}

std::unique_ptr<Picture> fantasyField(const WindowLayout& l) {
    auto picture = fieldSized(l);
    cairo_t* cr = picture->cr();
    const int w = picture->width(), h = picture->height();
    const double s = w / 192.0;
    cairo_rectangle(cr, 0, 0, w, h);
    fillVertical(cr, 0, h, hex(0x0B0A2A), hex(0x3A1F55));
    stars(cr, w, static_cast<int>(h * 0.7), 120, 99, 0.9);
    // The moon with a soft halo.
    const double mx = w * 0.72, my = h * 0.16, mr = 16 * s;
    cairo_arc(cr, mx, my, mr * 2.2, 0, 2 * kPi);
    cairo_pattern_t* halo = cairo_pattern_create_radial(mx, my, mr, mx, my, mr * 2.2);
    cairo_pattern_add_color_stop_rgba(halo, 0, 1, 0.95, 0.8, 0.25);
    cairo_pattern_add_color_stop_rgba(halo, 1, 1, 0.95, 0.8, 0.0);
    cairo_set_source(cr, halo);
    cairo_fill(cr);
    cairo_pattern_destroy(halo);
    cairo_arc(cr, mx, my, mr, 0, 2 * kPi);
    fillPath(cr, hex(0xFFF3D0));
    cairo_arc(cr, mx + mr * 0.45, my - mr * 0.2, mr * 0.85, 0, 2 * kPi);
    fillPath(cr, hex(0x0D0C2E));
    // Two ranges of mountains and a castle on the near one.
    const Rgb ranges[] = {hex(0x2A1D4A), hex(0x160F2C)};
    const double heights[] = {0.62, 0.74};
    for (int r = 0; r < 2; ++r) {
        Noise random(300u + static_cast<std::uint32_t>(r));
        cairo_move_to(cr, 0, h);
        double x = 0;
        while (x <= w) {
            cairo_line_to(cr, x, h * heights[r] + random.range(-30, 30) * s);
            x += random.range(18, 34) * s;
        }
        cairo_line_to(cr, w, h * heights[r]);
        cairo_line_to(cr, w, h);
        cairo_close_path(cr);
        fillPath(cr, ranges[r]);
    }
    const double cx = w * 0.3, base = h * 0.74;
    setColour(cr, hex(0x0C0820));
    cairo_rectangle(cr, cx - 22 * s, base - 34 * s, 44 * s, 40 * s);
    for (double tx : {-26.0, 18.0}) cairo_rectangle(cr, cx + tx * s, base - 52 * s, 8 * s, 58 * s);
    cairo_rectangle(cr, cx - 5 * s, base - 64 * s, 10 * s, 30 * s);
    cairo_fill(cr);
    for (double tx : {-22.0, 22.0, 0.0}) {
        const double top = tx == 0.0 ? base - 80 * s : base - 66 * s;
        cairo_move_to(cr, cx + tx * s - 6 * s, top + 14 * s);
        cairo_line_to(cr, cx + tx * s, top);
        cairo_line_to(cr, cx + tx * s + 6 * s, top + 14 * s);
        cairo_close_path(cr);
    }
    cairo_fill(cr);
    setColour(cr, hex(0xFFD070), 0.9);
    for (double wy : {-26.0, -44.0}) cairo_rectangle(cr, cx - 1.5 * s, base + wy * s, 3 * s, 5 * s);
    cairo_fill(cr);
    // Mist over the valley.
    cairo_rectangle(cr, 0, h * 0.8, w, h * 0.2);
    fillVertical(cr, h * 0.8, h, hex(0x160F2C), hex(0x2C2450));
    return picture;
}

}  // namespace tintfall::assetgen
