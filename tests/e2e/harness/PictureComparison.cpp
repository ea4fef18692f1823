#include "PictureComparison.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>

namespace e2e {
namespace {

Image Blurred(const Image& image) {
    Image blurred = image;
    for (int y = 0; y < image.Height; ++y)
        for (int x = 0; x < image.Width; ++x) {
            int r = 0, g = 0, b = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const Rgb p = image.At(std::clamp(x + dx, 0, image.Width - 1),
                                           std::clamp(y + dy, 0, image.Height - 1));
                    r += p.R, g += p.G, b += p.B;
                }
            blurred.Pixels[static_cast<std::size_t>(y) * image.Width + x] = {
                static_cast<std::uint8_t>(r / 9), static_cast<std::uint8_t>(g / 9),
                static_cast<std::uint8_t>(b / 9)};
        }
    return blurred;
}

Rgb Faded(Rgb p) {
    return {static_cast<std::uint8_t>(191 + p.R / 4), static_cast<std::uint8_t>(191 + p.G / 4),
            static_cast<std::uint8_t>(191 + p.B / 4)};
}

} // namespace

PictureDifference ComparePictures(const Image& actual, const Image& reference) {
    if (actual.Width != reference.Width || actual.Height != reference.Height)
        throw std::invalid_argument("pictures of different sizes");
    const Image a = Blurred(actual), b = Blurred(reference);
    PictureDifference difference{0, {}, reference};
    int left = reference.Width, top = reference.Height, right = -1, bottom = -1;
    for (int y = 0; y < reference.Height; ++y)
        for (int x = 0; x < reference.Width; ++x) {
            const Rgb p = a.At(x, y), q = b.At(x, y);
            Rgb& shown = difference.Map.Pixels[static_cast<std::size_t>(y) * reference.Width + x];
            shown = Faded(shown);
            if (std::max({std::abs(p.R - q.R), std::abs(p.G - q.G), std::abs(p.B - q.B)}) <= BlurredTolerance)
                continue;
            ++difference.Pixels;
            shown = {255, 0, 0};
            left = std::min(left, x);
            top = std::min(top, y);
            right = std::max(right, x);
            bottom = std::max(bottom, y);
        }
    if (difference.Pixels > 0)
        difference.Bounds = {left, top, right - left + 1, bottom - top + 1};
    return difference;
}

} // namespace e2e
