#pragma once
// A canvas of 24-bit pixels in memory. It performs the same 1:1 copies as
// the window's canvas, so a frame composed here looks like the window, and
// it can be saved as a .bmp or .png picture for tests and for looking. The
// frame is held as the pictures are (blue, green, red; rows padded to four
// bytes), so a picture's row is copied as it is.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/DibPixels.h"
#include "platform/Files.h"

namespace tintfall {

class SoftwareCanvas : public Canvas {
public:
    SoftwareCanvas(int width, int height, ColourRef background = 0);

    void blit(const DibView& image, int srcX, int srcY, int width, int height, int dstX, int dstY) override;
    void fill(int x, int y, int width, int height, ColourRef colour) override;

    // Copies a rectangle of another canvas to the same place here (the back
    // buffer shown in the window); parts outside either canvas are clipped.
    void copyRect(const SoftwareCanvas& from, int x, int y, int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    // The bytes the frame takes.
    std::size_t frameBytes() const { return pixels_.size(); }
    // The colour of one pixel as 0x00BBGGRR; 0 outside the canvas.
    ColourRef pixel(int x, int y) const;

    // The whole canvas as the bytes of a 24-bit .bmp file (rows bottom-up).
    std::vector<std::uint8_t> bmpBytes() const;
    // The whole canvas as the bytes of an RGB .png file.
    std::vector<std::uint8_t> pngBytes() const;
    bool saveBmp(Files& files, const std::string& path) const;
    bool savePng(Files& files, const std::string& path) const;

private:
    std::uint8_t* at(int x, int y);
    const std::uint8_t* at(int x, int y) const;

    int width_;
    int height_;
    std::size_t stride_;
    std::vector<std::uint8_t> pixels_;  // rows top-down
};

// A minimal PNG file: 8-bit RGB, unfiltered rows, a zlib stream of stored
// deflate blocks. rgb holds width * height * 3 bytes, rows top-down.
std::vector<std::uint8_t> encodePng(int width, int height, const std::vector<std::uint8_t>& rgb);
std::uint32_t crc32(const std::uint8_t* data, std::size_t size);
std::uint32_t adler32(const std::uint8_t* data, std::size_t size);

}  // namespace tintfall
