#pragma once

namespace chart {

enum class AxisOrientation { Horizontal, Vertical };

// The narrowest range an axis keeps: a narrower one is widened at its maximum.
inline constexpr double MinimumAxisRange = 1e-10;

// How an axis mapped values to pixels in the latest layout. FirstPixel is the plot's left edge for a
// horizontal axis and its top edge for a vertical one; Length is the plot's width or height.
// Horizontal: Minimum at FirstPixel, Maximum at FirstPixel + Length.
// Vertical:   Maximum at FirstPixel, Minimum at FirstPixel + Length (values grow upwards).
struct AxisScale {
    AxisOrientation Orientation = AxisOrientation::Horizontal;
    double Minimum = 0;
    double Maximum = 0;
    int FirstPixel = 0;
    int Length = 0;

    // The value at a pixel position, linear and continuing beyond the plot; 0 on an axis shorter than 1 px.
    double ValueAt(int pixel) const;
    // The pixel position of a value (unrounded); a range of 0 maps every value to the axis' middle.
    double PixelOf(double value) const;
};

struct Axis {
    bool Visible = true;
    // While set, each layout takes the range from the data; Minimum and Maximum then hold the last layout's.
    bool Automatic = true;
    bool AutomaticMinimum = true;
    bool AutomaticMaximum = true;
    double Minimum = 0;
    double Maximum = 0;
    AxisScale Scale; // of the latest layout

    bool IsAutomatic() const { return Automatic && AutomaticMinimum && AutomaticMaximum; }
};

// The one way a range is set by hand: the axis stops being automatic, a reversed range is swapped and
// one narrower than MinimumAxisRange is widened at its maximum. Returns whether Minimum or Maximum changed.
bool SetAxisRange(Axis& axis, double a, double b);

} // namespace chart
