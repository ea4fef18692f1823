#pragma once

#include "Geometry.h"

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <vector>

namespace e2e {

struct Rgb {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};
std::ostream& operator<<(std::ostream& out, Rgb colour);

// Pixels, row by row from the top.
struct Image {
    int Width = 0;
    int Height = 0;
    std::vector<Rgb> Pixels;

    Rgb At(int x, int y) const { return Pixels[static_cast<std::size_t>(y) * Width + x]; }
    Rgb At(Point p) const { return At(p.X, p.Y); }
    Image Crop(const Rect& area) const;
    // How many places within the area hold a 2 x 2 block of exactly this colour: a line at least 2 pixels
    // wide, which neither 1-pixel grid lines nor anti-aliased text form.
    int CountBlocks(Rgb colour, const Rect& area) const;

    friend bool operator==(const Image&, const Image&) = default;
};

// PNG, 8-bit RGB. Returns whether the file was written.
bool WritePng(const Image& image, const std::filesystem::path& path);
// Any PNG, as 8-bit RGB (alpha dropped); throws when the file is missing or no PNG.
Image ReadPng(const std::filesystem::path& path);

// An uncompressed 4-bit bitmap file with its palette (the program's logo resource).
Image ReadBmp4(const std::filesystem::path& path);

} // namespace e2e
