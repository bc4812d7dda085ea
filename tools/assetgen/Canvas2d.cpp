#include "tools/assetgen/Canvas2d.h"

#include <algorithm>

namespace tintfall::assetgen {

Rgb hex(std::uint32_t rgb) {
    return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0};
}

Rgb mix(Rgb a, Rgb b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
Rgb lighten(Rgb c, double t) { return mix(c, {1, 1, 1}, t); }
Rgb darken(Rgb c, double t) { return mix(c, {0, 0, 0}, t); }

namespace {
int pixelsPerUnit = 1;
}  // namespace

PictureScale::PictureScale(int scale) : previous_(pixelsPerUnit) { pixelsPerUnit = scale; }
PictureScale::~PictureScale() { pixelsPerUnit = previous_; }
int PictureScale::current() { return pixelsPerUnit; }

Picture::Picture(int width, int height)
    : width_(width),
      height_(height),
      scale_(pixelsPerUnit),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width * scale_, height * scale_)),
      cr_(nullptr) {
    cairo_surface_set_device_scale(surface_, scale_, scale_);
    cr_ = cairo_create(surface_);
}

Picture::~Picture() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

std::uint32_t Picture::pixel(int x, int y) const {
    cairo_surface_flush(surface_);
    const unsigned char* row = cairo_image_surface_get_data(surface_) +
                               static_cast<std::size_t>(y) * static_cast<std::size_t>(cairo_image_surface_get_stride(surface_));
    // Premultiplied colour is the colour composed over black.
    const std::uint32_t argb = reinterpret_cast<const std::uint32_t*>(row)[x];
    return argb & 0xFFFFFF;
}

void Picture::paste(const Picture& source, double x, double y) {
    cairo_save(cr_);
    cairo_set_source_surface(cr_, source.surface(), x, y);
    cairo_rectangle(cr_, x, y, source.width(), source.height());
    cairo_fill(cr_);
    cairo_restore(cr_);
}

std::unique_ptr<Picture> gradientPicture(int width, int height, Rgb top, Rgb bottom) {
    auto picture = std::make_unique<Picture>(width, height);
    cairo_rectangle(picture->cr(), 0, 0, width, height);
    fillVertical(picture->cr(), 0, height, top, bottom);
    return picture;
}

void setColour(cairo_t* cr, Rgb c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

void fillPath(cairo_t* cr, Rgb c, double alpha) {
    setColour(cr, c, alpha);
    cairo_fill(cr);
}

void strokePath(cairo_t* cr, Rgb c, double width, double alpha) {
    setColour(cr, c, alpha);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double radius) {
    const double r = std::min(radius, std::min(w, h) / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -1.5707963, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, 1.5707963);
    cairo_arc(cr, x + r, y + h - r, r, 1.5707963, 3.1415927);
    cairo_arc(cr, x + r, y + r, r, 3.1415927, 4.712389);
    cairo_close_path(cr);
}

void fillRect(cairo_t* cr, double x, double y, double w, double h, Rgb c) {
    setColour(cr, c);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
}

void fillVertical(cairo_t* cr, double y0, double y1, Rgb top, Rgb bottom) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void bevelFaces(cairo_t* cr, double x0, double y0, double x1, double y1, double b, Rgb top, Rgb left, Rgb bottom,
                Rgb right) {
    const double faces[4][8] = {
        {x0, y0, x1, y0, x1 - b, y0 + b, x0 + b, y0 + b},
        {x0, y0, x0 + b, y0 + b, x0 + b, y1 - b, x0, y1},
        {x0, y1, x0 + b, y1 - b, x1 - b, y1 - b, x1, y1},
        {x1, y0, x1, y1, x1 - b, y1 - b, x1 - b, y0 + b},
    };
    const Rgb shades[4] = {top, left, bottom, right};
    for (int f = 0; f < 4; ++f) {
        cairo_move_to(cr, faces[f][0], faces[f][1]);
        for (int i = 1; i < 4; ++i) cairo_line_to(cr, faces[f][2 * i], faces[f][2 * i + 1]);
        cairo_close_path(cr);
        fillPath(cr, shades[f]);
    }
}

FontFace fontFace(Font font) {
    switch (font) {
        case Font::Sans: return {"DejaVu Sans", false};
        case Font::SansBold: return {"DejaVu Sans", true};
        case Font::Condensed: return {"DejaVu Sans Condensed", false};
        case Font::CondensedBold: return {"DejaVu Sans Condensed", true};
        case Font::Serif: return {"DejaVu Serif", true};
        case Font::Mono: return {"DejaVu Sans Mono", true};
    }
    return {"DejaVu Sans", false};
}

void useFont(cairo_t* cr, Font font, double size) {
    const FontFace face = fontFace(font);
    cairo_select_font_face(cr, face.family, CAIRO_FONT_SLANT_NORMAL,
                           face.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    // Grey-scale anti-aliasing keeps the pictures free of colour fringes.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

double textWidth(cairo_t* cr, const std::string& text) {
    cairo_text_extents_t e;
    cairo_text_extents(cr, text.c_str(), &e);
    return e.x_advance;
}

void leftText(cairo_t* cr, const std::string& text, double x, double baseline, Rgb c, double alpha) {
    setColour(cr, c, alpha);
    cairo_move_to(cr, x, baseline);
    cairo_show_text(cr, text.c_str());
}

void centredText(cairo_t* cr, const std::string& text, double cx, double baseline, Rgb c, double alpha) {
    leftText(cr, text, cx - textWidth(cr, text) / 2, baseline, c, alpha);
}

void shadowText(cairo_t* cr, const std::string& text, double cx, double baseline, Rgb c) {
    centredText(cr, text, cx + 1, baseline + 1, {0, 0, 0}, 0.7);
    centredText(cr, text, cx, baseline, c);
}

std::uint32_t Noise::next() {
    // xorshift32
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

}  // namespace tintfall::assetgen
