#pragma once

#include "CurveColours.h"
#include "Geometry.h"
#include "Image.h"

#include <algorithm>
#include <optional>
#include <vector>

// Reading the chart back from a picture of the form's client area, from its pixels alone.
namespace e2e {

inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb Grey{128, 128, 128}; // grid, ticks and the E curve
inline constexpr Rgb Navy{0, 0, 128};     // the C curve

// A 3-pixel curve leaves hundreds of 2 x 2 blocks of its colour in the plot.
inline constexpr int CurveBlocks = 100;

// What the chart's layout rules fix in pixels: the axis line (2) and the ticks (4) outside the plot's
// edge, and a line of the chart's text, "Arial" 11 px (13 with Liberation Sans).
inline constexpr int AxisLine = 2;
inline constexpr int TickBand = 6;
inline constexpr int LineHeight = 13;

// Black text, whatever its anti-aliasing.
inline bool IsInk(Rgb p) {
    return std::max({p.R, p.G, p.B}) < 100;
}

template <class Predicate> int Count(const Image& image, const Rect& area, Predicate predicate) {
    int count = 0;
    for (int y = std::max(area.Top, 0); y < std::min(area.Bottom(), image.Height); ++y)
        for (int x = std::max(area.Left, 0); x < std::min(area.Right(), image.Width); ++x)
            count += predicate(image.At(x, y));
    return count;
}

// A stretch [First, Last] of columns or rows.
struct Span {
    int First = 0;
    int Last = 0;
    double Centre() const { return (First + Last) / 2.0; }
    int Length() const { return Last - First + 1; }
};

enum class Along { Columns, Rows };

// The stretches of columns (or rows) of the area that hold ink, runs at most maxGap apart merged: with
// a gap of 2 the glyphs of one label form one run, and two labels two.
std::vector<Span> InkRuns(const Image& image, const Rect& area, Along along, int maxGap = 2);

// The 2 x 2 blocks of a colour in the area, by their top left pixels: a line at least 2 pixels wide
// forms them, 1-pixel grid lines and text do not.
std::vector<Point> Blocks(const Image& image, Rgb colour, const Rect& area);

// The longest run of the colour among count pixels from `from` on, `step` apart.
int LongestRun(const Image& image, Point from, Point step, int count, Rgb colour);

// The picture without its black lines longer than a letter (the legend's frame): only text is ink.
Image WithoutLongLines(Image picture);

// The plot rectangle as the layout has it (the frame on its edge pixels), in the picture's coordinates,
// found without a point inside (compare FindPlot in PlotFrame.h) and only once the frame and both axis
// lines are there.
std::optional<Rect> FindFramedPlot(const Image& picture);

// The columns of the bottom axis' ticks and the rows of the left axis' ticks: one at each label.
std::vector<int> BottomTicks(const Image& picture, const Rect& plot);
std::vector<int> LeftTicks(const Image& picture, const Rect& plot);

} // namespace e2e
