#include "Image.h"

#include <png.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace e2e {

std::ostream& operator<<(std::ostream& out, Rgb colour) {
    return out << "rgb(" << int{colour.R} << ", " << int{colour.G} << ", " << int{colour.B} << ')';
}

Image Image::Crop(const Rect& area) const {
    Image cropped{area.Width, area.Height, {}};
    cropped.Pixels.reserve(static_cast<std::size_t>(area.Width) * area.Height);
    for (int y = area.Top; y < area.Bottom(); ++y)
        for (int x = area.Left; x < area.Right(); ++x)
            cropped.Pixels.push_back(At(x, y));
    return cropped;
}

int Image::CountBlocks(Rgb colour, const Rect& area) const {
    int blocks = 0;
    for (int y = std::max(area.Top, 0); y + 1 < std::min(area.Bottom(), Height); ++y)
        for (int x = std::max(area.Left, 0); x + 1 < std::min(area.Right(), Width); ++x)
            blocks += At(x, y) == colour && At(x + 1, y) == colour && At(x, y + 1) == colour &&
                      At(x + 1, y + 1) == colour;
    return blocks;
}

bool WritePng(const Image& image, const std::filesystem::path& path) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    bool written = false;
    if (png && info && setjmp(png_jmpbuf(png)) == 0) {
        png_init_io(png, file);
        png_set_IHDR(png, info, image.Width, image.Height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        for (int y = 0; y < image.Height; ++y)
            png_write_row(png, reinterpret_cast<png_const_bytep>(
                                   &image.Pixels[static_cast<std::size_t>(y) * image.Width]));
        png_write_end(png, nullptr);
        written = true;
    }
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
    return written;
}

Image ReadPng(const std::filesystem::path& path) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str()))
        throw std::runtime_error("cannot read " + path.string() + ": " + png.message);
    png.format = PNG_FORMAT_RGB;
    Image image{static_cast<int>(png.width), static_cast<int>(png.height),
                std::vector<Rgb>(static_cast<std::size_t>(png.width) * png.height)};
    static_assert(sizeof(Rgb) == 3);
    if (!png_image_finish_read(&png, nullptr, image.Pixels.data(), 0, nullptr))
        throw std::runtime_error("cannot read " + path.string() + ": " + png.message);
    return image;
}

namespace {

template <class T> T ReadLittleEndian(const std::vector<unsigned char>& bytes, std::size_t offset) {
    T value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i)
        value |= static_cast<T>(bytes.at(offset + i)) << (8 * i);
    return value;
}

} // namespace

Image ReadBmp4(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), {}};
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M')
        throw std::runtime_error("not a bitmap file: " + path.string());
    const auto pixelOffset = ReadLittleEndian<std::uint32_t>(bytes, 10);
    const auto headerSize = ReadLittleEndian<std::uint32_t>(bytes, 14);
    const auto width = ReadLittleEndian<std::int32_t>(bytes, 18);
    const auto height = ReadLittleEndian<std::int32_t>(bytes, 22); // positive: rows bottom-up
    if (ReadLittleEndian<std::uint16_t>(bytes, 28) != 4 || ReadLittleEndian<std::uint32_t>(bytes, 30) != 0)
        throw std::runtime_error("not an uncompressed 4-bit bitmap: " + path.string());
    std::array<Rgb, 16> palette;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const std::size_t entry = 14 + headerSize + 4 * i; // blue, green, red, reserved
        palette[i] = {bytes.at(entry + 2), bytes.at(entry + 1), bytes.at(entry)};
    }
    const std::size_t stride = ((static_cast<std::size_t>(width) * 4 + 31) / 32) * 4;
    Image image{width, height, std::vector<Rgb>(static_cast<std::size_t>(width) * height)};
    for (int y = 0; y < height; ++y) {
        const std::size_t row = pixelOffset + stride * static_cast<std::size_t>(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const unsigned char pair = bytes.at(row + x / 2);
            image.Pixels[static_cast<std::size_t>(y) * width + x] =
                palette[x % 2 == 0 ? pair >> 4 : pair & 0x0F];
        }
    }
    return image;
}

} // namespace e2e
