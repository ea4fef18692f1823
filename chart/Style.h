#pragma once

#include "Canvas.h"
#include "Color.h"

// The chart's look in one place. Sizes are pixels at 96 pixels per inch (logical units on paper).
namespace chart::style {

inline constexpr Color Background = colors::White;
inline constexpr Color TitleBackground = colors::White; // a box as wide as the title plus a "W"
inline constexpr Color LegendBackground = colors::White;

// The raised 1-pixel edge around the chart area.
inline constexpr int BevelWidth = 1;

// The margins, in percent of the chart's width (left, right) and height (top, bottom).
inline constexpr int MarginLeftPercent = 3;
inline constexpr int MarginTopPercent = 4;
inline constexpr int MarginRightPercent = 3;
inline constexpr int MarginBottomPercent = 4;

// "Arial" 8 point is a character height of 11 pixels at 96 pixels per inch.
inline const Font ChartFont{"Arial", 11, FontStyle::Regular, colors::Black};
inline const Font TitleFont{"Arial", 13, FontStyle::Bold, colors::Black};
inline const Font FootFont{"Arial", 11, FontStyle::Italic, colors::Black};

// Room between the title (the foot) and what lies below (above) it.
inline constexpr int TitleGap = 5;
inline constexpr int FootGap = 5;

inline constexpr int LegendTextExtra = 4;           // entry width = widest entry text + this
inline constexpr int LegendColorWidthPercent = 100; // colour symbol width, in percent of the entry width
inline constexpr int LegendGap = 4;                 // before the symbol and between symbol and text
inline constexpr int LegendVerticalPadding = 1;     // above the first and below the last row
inline constexpr int LegendMaxRows = 10;
inline constexpr int LegendBottomGap = 2;     // between the legend box and the working rectangle's bottom
inline constexpr int LegendMarginPercent = 4; // of the working height: all the plot gives up for the legend
inline constexpr int LegendShiftPercent = 10; // of the width left over beside the legend, to the right
inline constexpr Pen LegendFramePen{colors::Black, 1, PenStyle::Solid};

inline constexpr Pen PlotFramePen{colors::Black, 1, PenStyle::Solid};

inline constexpr Color AxisLineColour = colors::Black;
inline constexpr int AxisLineWidth = 2;
inline constexpr Color TickColour = colors::Gray;
inline constexpr int TickLength = 4;
inline constexpr int MinorTickLength = 2;
inline constexpr int MinorTicksBetweenLabels = 3;
inline constexpr int TickBandDepth = AxisLineWidth + TickLength;
inline constexpr Pen GridPen{colors::Gray, 1, PenStyle::Dot};
inline constexpr int LabelsSeparationPercent = 10; // the gap labels keep, in percent of their size

// A press this close to a curve's centre line, beyond half the pen width, still hits the curve.
inline constexpr double CurveHitSlack = 1.0;

} // namespace chart::style
