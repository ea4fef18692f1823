#pragma once

#include "Canvas.h"
#include "Layout.h"

namespace chart {

// Paper differs from the screen in two ways: the chart's panel background and raised edge are not
// drawn, and a non-solid pen of width 1 is drawn at width 0, the thinnest line the printer makes.
enum class Medium { Screen, Paper };

// Draws a laid-out chart, in this order: area and edge, title, foot, legend, plot frame, the axes
// (bottom first: caption, labels, axis line, ticks, grid, minor ticks), the curves (later ones on top).
void Render(Canvas& canvas, const ChartLayout& layout, Medium medium);

} // namespace chart
