#include "ChartPicture.h"

namespace e2e {

std::vector<Span> InkRuns(const Image& image, const Rect& area, Along along, int maxGap) {
    std::vector<Span> runs;
    const bool columns = along == Along::Columns;
    const int first = columns ? area.Left : area.Top;
    const int end = columns ? area.Right() : area.Bottom();
    for (int i = first; i < end; ++i) {
        const Rect line = columns ? Rect{i, area.Top, 1, area.Height} : Rect{area.Left, i, area.Width, 1};
        if (Count(image, line, IsInk) == 0)
            continue;
        if (!runs.empty() && i - runs.back().Last <= maxGap + 1)
            runs.back().Last = i;
        else
            runs.push_back({i, i});
    }
    return runs;
}

std::vector<Point> Blocks(const Image& image, Rgb colour, const Rect& area) {
    std::vector<Point> blocks;
    for (int y = std::max(area.Top, 0); y + 1 < std::min(area.Bottom(), image.Height); ++y)
        for (int x = std::max(area.Left, 0); x + 1 < std::min(area.Right(), image.Width); ++x)
            if (image.At(x, y) == colour && image.At(x + 1, y) == colour && image.At(x, y + 1) == colour &&
                image.At(x + 1, y + 1) == colour)
                blocks.push_back({x, y});
    return blocks;
}

int LongestRun(const Image& image, Point from, Point step, int count, Rgb colour) {
    int longest = 0, run = 0;
    for (int i = 0; i < count; ++i) {
        run = image.At(from.X + i * step.X, from.Y + i * step.Y) == colour ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

Image WithoutLongLines(Image picture) {
    constexpr int LongerThanALetter = 20;
    for (int y = 0; y < picture.Height; ++y)
        if (LongestRun(picture, {0, y}, {1, 0}, picture.Width, Black) > LongerThanALetter)
            std::fill_n(picture.Pixels.begin() + static_cast<std::ptrdiff_t>(y) * picture.Width,
                        picture.Width, White);
    return picture;
}

// Only four rows (the frame's top, its bottom and the 2-pixel axis line below it) and four columns (the
// axis line, the frame's left and its right) hold a black line across most of the picture.
std::optional<Rect> FindFramedPlot(const Image& picture) {
    std::vector<int> rows, columns;
    for (int y = 0; y < picture.Height; ++y)
        if (LongestRun(picture, {0, y}, {1, 0}, picture.Width, Black) > picture.Width * 6 / 10)
            rows.push_back(y);
    for (int x = 0; x < picture.Width; ++x)
        if (LongestRun(picture, {x, 0}, {0, 1}, picture.Height, Black) > picture.Height * 6 / 10)
            columns.push_back(x);
    if (rows.size() != 4 || columns.size() != 4)
        return std::nullopt;
    const int left = columns[0] + AxisLine, right = columns[3] + 1;
    const int top = rows[0], bottom = rows[3] + 1 - AxisLine;
    return Rect{left, top, right - left, bottom - top};
}

// The 4-pixel grey marks outside the axis lines; minor ticks are 2 pixels long and end before them.
std::vector<int> BottomTicks(const Image& picture, const Rect& plot) {
    std::vector<int> ticks;
    for (int x = plot.Left; x < plot.Right(); ++x)
        if (picture.At(x, plot.Bottom() + TickBand - 1) == Grey)
            ticks.push_back(x);
    return ticks;
}

std::vector<int> LeftTicks(const Image& picture, const Rect& plot) {
    std::vector<int> ticks;
    for (int y = plot.Top; y < plot.Bottom(); ++y)
        if (picture.At(plot.Left - TickBand, y) == Grey)
            ticks.push_back(y);
    return ticks;
}

} // namespace e2e
