#pragma once
// A cairo image surface with its drawing context, owned together, and the
// small drawing helpers every picture of the generator shares.
#include <cairo.h>

#include <cstdint>
#include <memory>
#include <string>

namespace tintfall::assetgen {

struct Rgb {
    double r = 0;
    double g = 0;
    double b = 0;
};

Rgb hex(std::uint32_t rgb);
Rgb mix(Rgb a, Rgb b, double t);
Rgb lighten(Rgb c, double t);
Rgb darken(Rgb c, double t);

// Every picture is drawn in layout units. While a PictureScale lives, new
// pictures hold that many pixels per unit (cairo's device scale), so the
// same drawing gives the finer sets; 1 otherwise. One generator thread only.
class PictureScale {
public:
    explicit PictureScale(int pixelsPerUnit);
    ~PictureScale();
    PictureScale(const PictureScale&) = delete;
    PictureScale& operator=(const PictureScale&) = delete;
    static int current();

private:
    int previous_;
};

class Picture {
public:
    Picture(int width, int height);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    cairo_t* cr() const { return cr_; }
    cairo_surface_t* surface() const { return surface_; }
    // In layout units.
    int width() const { return width_; }
    int height() const { return height_; }
    int pixelWidth() const { return width_ * scale_; }
    int pixelHeight() const { return height_ * scale_; }
    // Pixel (x, y) of the pixels, as 0xRRGGBB, composed over black.
    std::uint32_t pixel(int x, int y) const;
    // Copies another picture with its top-left at (x, y).
    void paste(const Picture& source, double x, double y);

private:
    int width_;
    int height_;
    int scale_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// A picture filled from top to bottom with a gradient between two colours.
std::unique_ptr<Picture> gradientPicture(int width, int height, Rgb top, Rgb bottom);

void setColour(cairo_t* cr, Rgb c, double alpha = 1.0);
// Fills, or strokes with the given line width, the current path in one colour.
void fillPath(cairo_t* cr, Rgb c, double alpha = 1.0);
void strokePath(cairo_t* cr, Rgb c, double width, double alpha = 1.0);
void roundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);
void fillRect(cairo_t* cr, double x, double y, double w, double h, Rgb c);
// A vertical gradient filling the current path.
void fillVertical(cairo_t* cr, double y0, double y1, Rgb top, Rgb bottom);
// The four faces of a frame of width b just inside the box (x0, y0)-(x1, y1),
// each filled in its own shade, as a raised or sunk edge lit from one side.
void bevelFaces(cairo_t* cr, double x0, double y0, double x1, double y1, double b, Rgb top, Rgb left, Rgb bottom,
                Rgb right);

enum class Font { Sans, SansBold, Condensed, CondensedBold, Serif, Mono };
inline constexpr Font kFonts[] = {Font::Sans, Font::SansBold, Font::Condensed, Font::CondensedBold, Font::Serif, Font::Mono};
// The installed family and weight a font is drawn in.
struct FontFace {
    const char* family;
    bool bold;
};
FontFace fontFace(Font font);
void useFont(cairo_t* cr, Font font, double size);
// Text centred on (cx, baseline y) or starting at x; returns its width.
double textWidth(cairo_t* cr, const std::string& text);
void centredText(cairo_t* cr, const std::string& text, double cx, double baseline, Rgb c, double alpha = 1.0);
void leftText(cairo_t* cr, const std::string& text, double x, double baseline, Rgb c, double alpha = 1.0);
// Text with a dark one-pixel shadow below and right, for labels on panels.
void shadowText(cairo_t* cr, const std::string& text, double cx, double baseline, Rgb c);

// A deterministic pseudo-random source for textures and particles.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed ? seed : 1) {}
    std::uint32_t next();
    double unit() { return (next() >> 8) * (1.0 / 16777216.0); }
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }

private:
    std::uint32_t state_;
};

}  // namespace tintfall::assetgen
