#include "Render.h"

#include "Style.h"

namespace chart {

namespace {

Pen ForMedium(Pen pen, Medium medium) {
    if (medium == Medium::Paper && pen.Style != PenStyle::Solid && pen.Width == 1)
        pen.Width = 0;
    return pen;
}

void DrawText(Canvas& canvas, const PlacedText& text) {
    if (!text.Text.empty())
        canvas.Text(text.Origin, text.Text, text.TextFont, text.Direction);
}

// Top and left in the highlight colour, then bottom and right in the shadow colour over the corners.
void DrawRaisedEdge(Canvas& canvas, const Rect& area, const EdgeColours& edge) {
    const int width = style::BevelWidth;
    canvas.FillRect({area.Left, area.Top, area.Right, area.Top + width}, edge.Highlight);
    canvas.FillRect({area.Left, area.Top, area.Left + width, area.Bottom}, edge.Highlight);
    canvas.FillRect({area.Left, area.Bottom - width, area.Right, area.Bottom}, edge.Shadow);
    canvas.FillRect({area.Right - width, area.Top, area.Right, area.Bottom}, edge.Shadow);
}

void DrawLegend(Canvas& canvas, const ChartLayout& layout, Medium medium) {
    if (layout.Legend.IsEmpty())
        return;
    canvas.FillRect(layout.Legend, style::LegendBackground);
    canvas.FrameRect(layout.Legend, ForMedium(style::LegendFramePen, medium));
    for (const LegendEntry& entry : layout.LegendEntries) {
        canvas.Line(entry.SymbolFrom, entry.SymbolTo, ForMedium(entry.SymbolPen, medium));
        DrawText(canvas, entry.Label);
    }
}

// Axis line and ticks are filled rectangles, exact on every device; the grid is a pen line across the
// plot. Outside the plot's edge (below it for the bottom axis, left of it for the left axis) lie first
// the axis line, AxisLineWidth deep, then the ticks, TickLength deep; the axis line covers the corner.
class AxisPainter {
public:
    AxisPainter(Canvas& canvas, const ChartLayout& layout, const AxisPlacement& axis, Medium medium)
        : m_canvas(canvas), m_plot(layout.Plot), m_inside(layout.CurveClip), m_axis(axis), m_medium(medium),
          m_horizontal(axis.Scale.Orientation == AxisOrientation::Horizontal) {}

    void Draw() {
        if (!m_axis.Visible)
            return;
        DrawText(m_canvas, m_axis.Caption);
        for (const AxisLabel& label : m_axis.Labels)
            DrawText(m_canvas, label.Text);
        const int line = style::AxisLineWidth;
        if (m_horizontal)
            m_canvas.FillRect(Outside(m_plot.Left - line, m_plot.Right, 0, line), style::AxisLineColour);
        else
            m_canvas.FillRect(Outside(m_plot.Top, m_plot.Bottom + line, 0, line), style::AxisLineColour);
        for (const AxisLabel& label : m_axis.Labels)
            Tick(label.Position, style::TickLength);
        {
            CanvasStateScope state(m_canvas);
            m_canvas.IntersectClip(m_inside);
            const Pen grid = ForMedium(style::GridPen, m_medium);
            for (const AxisLabel& label : m_axis.Labels)
                if (m_horizontal)
                    m_canvas.Line({label.Position, m_plot.Top}, {label.Position, m_plot.Bottom}, grid);
                else
                    m_canvas.Line({m_plot.Left, label.Position}, {m_plot.Right, label.Position}, grid);
        }
        for (int position : m_axis.MinorTicks)
            Tick(position, style::MinorTickLength);
    }

private:
    // The rectangle from `along` to `alongEnd` along the axis and from `depth` to `depthEnd` pixels
    // outwards from the plot's edge.
    Rect Outside(int along, int alongEnd, int depth, int depthEnd) const {
        if (m_horizontal)
            return {along, m_plot.Bottom + depth, alongEnd, m_plot.Bottom + depthEnd};
        return {m_plot.Left - depthEnd, along, m_plot.Left - depth, alongEnd};
    }

    void Tick(int position, int length) {
        const int line = style::AxisLineWidth;
        m_canvas.FillRect(Outside(position, position + 1, line, line + length), style::TickColour);
    }

    Canvas& m_canvas;
    const Rect& m_plot;
    const Rect& m_inside;
    const AxisPlacement& m_axis;
    Medium m_medium;
    bool m_horizontal;
};

} // namespace

void Render(Canvas& canvas, const ChartLayout& layout, Medium medium) {
    if (medium == Medium::Screen) {
        canvas.FillRect(layout.Area, style::Background);
        DrawRaisedEdge(canvas, layout.Area, layout.Edge);
    }
    if (!layout.Title.IsEmpty()) {
        canvas.FillRect(layout.Title, style::TitleBackground);
        DrawText(canvas, layout.TitleText);
    }
    DrawText(canvas, layout.FootText);
    DrawLegend(canvas, layout, medium);
    canvas.FrameRect(layout.Plot, ForMedium(style::PlotFramePen, medium));
    AxisPainter(canvas, layout, layout.Bottom, medium).Draw();
    AxisPainter(canvas, layout, layout.Left, medium).Draw();

    CanvasStateScope state(canvas);
    canvas.IntersectClip(layout.CurveClip);
    for (const CurvePath& curve : layout.Curves) {
        const Pen pen = ForMedium(curve.Line, medium);
        for (const std::vector<Point>& run : curve.Runs)
            canvas.Polyline(run, pen);
    }
}

} // namespace chart
