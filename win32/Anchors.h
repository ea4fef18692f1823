#pragma once

#include "chart/Geometry.h"

namespace win32 {

// The edges of its parent's client area to which a control keeps its distance when the parent is resized.
enum class Anchors : unsigned {
    None = 0,
    Left = 1,
    Top = 2,
    Right = 4,
    Bottom = 8,
    All = Left | Top | Right | Bottom,
};

constexpr Anchors operator|(Anchors a, Anchors b) {
    return static_cast<Anchors>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr bool HasAnchor(Anchors set, Anchors edge) {
    return (static_cast<unsigned>(set) & static_cast<unsigned>(edge)) != 0;
}

// A control's place in its parent's client coordinates, in pixels.
struct Bounds {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    friend bool operator==(const Bounds&, const Bounds&) = default;
};

// Where a control designed at `design` in a parent of client size `designParent` lies when that parent's
// client size is `parent`. Per direction: anchored at both edges it grows with the parent; at the far
// edge only it moves with it; at the near edge only it stays; at neither its centre keeps its relative
// position. E.g. a button at left 645 in a 726-wide chart, anchored right, lies at 745 when the chart is
// 826 wide.
Bounds AnchoredBounds(Bounds design, Anchors anchors, chart::Size designParent, chart::Size parent);

} // namespace win32
