#pragma once

#include "Image.h"

#include <algorithm>
#include <array>

namespace e2e {

struct CurveColour {
    const char* Type;
    Rgb Colour;
};

// The nine series' colours, in the chart's order.
inline constexpr std::array<CurveColour, 9> CurveColours{{
    {"K", {255, 0, 0}},
    {"S", {0, 128, 0}},
    {"J", {255, 255, 0}},
    {"N", {0, 0, 255}},
    {"T", {0, 255, 0}},
    {"E", {128, 128, 128}},
    {"R", {255, 0, 255}},
    {"B", {0, 128, 128}},
    {"C", {0, 0, 128}},
}};

inline bool IsCurveColour(Rgb colour) {
    return std::ranges::any_of(CurveColours,
                               [colour](const CurveColour& curve) { return curve.Colour == colour; });
}

} // namespace e2e
