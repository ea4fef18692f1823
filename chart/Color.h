#pragma once

#include <cstdint>

namespace chart {

struct Color {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

// The named colours of the form description.
namespace colors {
inline constexpr Color Black{0, 0, 0};
inline constexpr Color White{255, 255, 255};
inline constexpr Color Red{255, 0, 0};
inline constexpr Color Green{0, 128, 0};
inline constexpr Color Yellow{255, 255, 0};
inline constexpr Color Blue{0, 0, 255};
inline constexpr Color Lime{0, 255, 0};
inline constexpr Color Gray{128, 128, 128};
inline constexpr Color Fuchsia{255, 0, 255};
inline constexpr Color Teal{0, 128, 128};
inline constexpr Color Navy{0, 0, 128};
} // namespace colors

} // namespace chart
