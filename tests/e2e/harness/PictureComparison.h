#pragma once

#include "Geometry.h"
#include "Image.h"

namespace e2e {

// How far two pictures of the same size differ where it matters. A 3 x 3 box blur first spreads each
// pixel's change over its neighbourhood: a change of up to BlurredTolerance in every pixel (anti-aliasing
// along the edges of glyphs) stays within BlurredTolerance, and so does any change of a single pixel,
// while a line that moved by a pixel or vanished changes whole neighbourhoods by far more.
struct PictureDifference {
    int Pixels = 0; // whose blurred colour differs in a channel by more than BlurredTolerance
    Rect Bounds;    // of those pixels
    Image Map;      // the reference, faded, with those pixels in red
};

inline constexpr int BlurredTolerance = 48;
// Pictures that differ in no more pixels than this look alike.
inline constexpr int AllowedDifferentPixels = 16;

PictureDifference ComparePictures(const Image& actual, const Image& reference);

} // namespace e2e
