#include "Layout.h"

#include "AutoRange.h"
#include "Chart.h"
#include "NumberFormat.h"
#include "Style.h"
#include "Ticks.h"

#include <algorithm>
#include <cmath>

namespace chart {

namespace {

int PercentOf(int total, int percent) {
    return static_cast<int>(std::lround(total * percent / 100.0));
}

// The left edge of something `width` wide centred between left and right.
int Centred(int left, int right, int width) {
    return left + (right - left - width) / 2;
}

// An axis' labels before they are placed: the increment, the values and their texts.
struct LabelSet {
    double Increment = 0;
    std::vector<double> Values;
    std::vector<std::string> Texts;
};

LabelSet ChooseLabels(ValueRange range, int axisLength, int labelSize, const NumberSeparators& separators) {
    LabelSet labels;
    labels.Increment = LabelIncrement(range.Maximum - range.Minimum, LabelsThatFit(axisLength, labelSize));
    labels.Values = LabelValues(range.Minimum, range.Maximum, labels.Increment);
    for (double value : labels.Values)
        labels.Texts.push_back(FormatAxisValue(value, separators));
    return labels;
}

// The layout pass' state: the canvas to measure on, the chart, and the rectangle still free.
class LayoutPass {
public:
    LayoutPass(Canvas& measure, const Chart& chart) : m_measure(measure), m_chart(chart) {}

    ChartLayout Run(Rect area) {
        m_layout.ClientSize = {area.Width(), area.Height()};
        m_layout.Area = area;
        m_layout.Edge = m_chart.Edge;
        // 1. The white area and its raised edge cover Area; there is nothing to measure.
        // 2. The working rectangle: the area less the margins, each rounded to the nearest pixel.
        m_working = {area.Left + PercentOf(area.Width(), style::MarginLeftPercent),
                     area.Top + PercentOf(area.Height(), style::MarginTopPercent),
                     area.Right - PercentOf(area.Width(), style::MarginRightPercent),
                     area.Bottom - PercentOf(area.Height(), style::MarginBottomPercent)};
        m_layout.Working = m_working;
        // 3. to 5. Title, foot and legend take their room from the working rectangle.
        if (m_chart.Title.Visible())
            PlaceTitle();
        if (m_chart.Foot.Visible())
            PlaceFoot();
        PlaceLegend();
        // 6. Axis ranges: automatic ends from the data, without margin. Top and right carry no series.
        const std::span<const Series> series = m_chart.SeriesList();
        const ValueRange bottom =
            DrawnRange(m_chart.BottomAxis, DataExtent(series, AxisOrientation::Horizontal));
        const ValueRange left = DrawnRange(m_chart.LeftAxis, DataExtent(series, AxisOrientation::Vertical));
        const ValueRange top = DrawnRange(m_chart.TopAxis, std::nullopt);
        const ValueRange right = DrawnRange(m_chart.RightAxis, std::nullopt);
        // 7. Axis bands, bottom first, then left; what remains is the plot.
        CutAxisBands(left);
        // 8. The plot frame lies on the plot's edge pixels; the curves stay inside it.
        const Rect& plot = m_layout.Plot;
        const int frame = style::PlotFramePen.Width;
        m_layout.CurveClip = {plot.Left + frame, plot.Top + frame,
                              std::max(plot.Left + frame, plot.Right - frame),
                              std::max(plot.Top + frame, plot.Bottom - frame)};
        // 9. The axes, bottom first; the hidden ones get their scale only.
        PlaceBottomAxis(bottom);
        PlaceLeftAxis(left);
        m_layout.Top.Scale = {AxisOrientation::Horizontal, top.Minimum, top.Maximum, plot.Left, plot.Width()};
        m_layout.Right.Scale = {AxisOrientation::Vertical, right.Minimum, right.Maximum, plot.Top,
                                plot.Height()};
        // 10. The curves, in series order: later ones lie on top.
        for (const Series& s : series)
            m_layout.Curves.push_back(
                TraceCurve(s, m_layout.Bottom.Scale, m_layout.Left.Scale, m_layout.CurveClip));
        // 11. The zoom outline is no part of the picture: the window draws it over the copy on the screen.
        return std::move(m_layout);
    }

private:
    Size Extent(std::string_view text, const Font& font) { return m_measure.TextExtent(text, font); }

    // Layout steps 3 to 5; the working rectangle shrinks with each.

    // The title's white box is as wide as its text plus a "W".
    void PlaceTitle() {
        const Font& font = style::TitleFont;
        const Size text = Extent(m_chart.Title.Text, font);
        const int boxWidth = text.Width + Extent("W", font).Width;
        const int boxLeft = Centred(m_working.Left, m_working.Right, boxWidth);
        m_layout.Title = {boxLeft, m_working.Top, boxLeft + boxWidth, m_working.Top + text.Height};
        m_layout.TitleText = {
            m_chart.Title.Text, {Centred(m_working.Left, m_working.Right, text.Width), m_working.Top}, font};
        m_working.Top = m_layout.Title.Bottom + style::TitleGap;
    }

    void PlaceFoot() {
        const Font& font = style::FootFont;
        const Size text = Extent(m_chart.Foot.Text, font);
        const int left = Centred(m_working.Left, m_working.Right, text.Width);
        m_layout.Foot = {left, m_working.Bottom - text.Height, left + text.Width, m_working.Bottom};
        m_layout.FootText = {m_chart.Foot.Text, {left, m_layout.Foot.Top}, font};
        m_working.Bottom = m_layout.Foot.Top - style::FootGap;
    }

    // Columns of entries, as many as fit up to one per series, then rows, at most LegendMaxRows:
    //   +---------------------------------------+
    //   | gap symbol gap entry | gap symbol gap entry | ...
    //   +---------------------------------------+
    // The box stands LegendBottomGap above the working bottom, centred, then shifted right by
    // LegendShiftPercent of the width left over. The plot gives up only LegendMarginPercent of the
    // working height, not the box' height.
    void PlaceLegend() {
        const std::span<const Series> series = m_chart.SeriesList();
        const Font& font = style::ChartFont;
        int widest = 0, lineHeight = 0;
        for (const Series& s : series) {
            const Size text = Extent(s.Title, font);
            widest = std::max(widest, text.Width);
            lineHeight = std::max(lineHeight, text.Height);
        }
        const int entryWidth = widest + style::LegendTextExtra;
        const int symbolWidth = entryWidth * style::LegendColorWidthPercent / 100;
        const int columnWidth = style::LegendGap + symbolWidth + style::LegendGap + entryWidth;
        const int frame = style::LegendFramePen.Width;
        const int count = static_cast<int>(series.size());
        const int columns = std::min(count, (m_working.Width() - 2 * frame) / columnWidth);
        if (columns < 1)
            return;
        const int rows = std::min(style::LegendMaxRows, (count + columns - 1) / columns);

        const int boxWidth = 2 * frame + columns * columnWidth;
        const int boxHeight = 2 * frame + 2 * style::LegendVerticalPadding + rows * lineHeight;
        const int leftOver = m_working.Width() - boxWidth;
        const int left = m_working.Left + leftOver / 2 + PercentOf(leftOver, style::LegendShiftPercent);
        const int bottom = m_working.Bottom - style::LegendBottomGap;
        m_layout.Legend = {left, bottom - boxHeight, left + boxWidth, bottom};

        for (int i = 0; i < std::min(count, rows * columns); ++i) {
            const int x = left + frame + i % columns * columnWidth + style::LegendGap;
            const int y =
                m_layout.Legend.Top + frame + style::LegendVerticalPadding + i / columns * lineHeight;
            const Series& s = series[i];
            m_layout.LegendEntries.push_back({{x, y + lineHeight / 2},
                                              {x + symbolWidth, y + lineHeight / 2},
                                              Pen{s.Colour, s.LineWidth, PenStyle::Solid},
                                              {s.Title, {x + symbolWidth + style::LegendGap, y}, font}});
        }
        m_working.Bottom -= PercentOf(std::max(0, m_working.Height()), style::LegendMarginPercent);
    }

    // From the outside inwards, each visible axis cuts its title band (the caption's line height), its
    // label band and its tick band. The bottom label band is a line high, whatever the labels; the left
    // one is as wide as the wider of its outermost labels plus a space, and those depend on the plot's
    // height, which the bottom axis has fixed by then.
    void CutAxisBands(ValueRange leftRange) {
        const Font& font = style::ChartFont;
        m_lineHeight = Extent("0", font).Height;
        Rect plot = m_working;
        if (m_chart.BottomAxis.Visible)
            plot.Bottom -= CaptionDepth(m_chart.BottomAxis) + m_lineHeight + style::TickBandDepth;
        if (m_chart.LeftAxis.Visible) {
            plot.Left += CaptionDepth(m_chart.LeftAxis);
            m_leftLabels = ChooseLabels(leftRange, plot.Height(), m_lineHeight, m_chart.Separators);
            if (!m_leftLabels.Texts.empty())
                plot.Left += std::max(Extent(m_leftLabels.Texts.front(), font).Width,
                                      Extent(m_leftLabels.Texts.back(), font).Width) +
                             Extent(" ", font).Width;
            plot.Left += style::TickBandDepth;
        }
        plot.Right = std::max(plot.Left, plot.Right);
        plot.Bottom = std::max(plot.Top, plot.Bottom);
        m_layout.Plot = plot;
    }

    int CaptionDepth(const Axis& axis) {
        return axis.Title.Caption.empty() ? 0 : Extent(axis.Title.Caption, style::ChartFont).Height;
    }

    // Labels centred under their values; the caption centred under the labels.
    void PlaceBottomAxis(ValueRange range) {
        const Rect& plot = m_layout.Plot;
        AxisPlacement& axis = m_layout.Bottom;
        axis.Scale = {AxisOrientation::Horizontal, range.Minimum, range.Maximum, plot.Left, plot.Width()};
        if (!m_chart.BottomAxis.Visible)
            return;
        const Font& font = style::ChartFont;
        const NumberSeparators& separators = m_chart.Separators;
        const int labelSize = std::max(Extent(FormatAxisValue(range.Minimum, separators), font).Width,
                                       Extent(FormatAxisValue(range.Maximum, separators), font).Width);
        LabelSet labels = ChooseLabels(range, plot.Width(), labelSize, separators);
        const int labelTop = plot.Bottom + style::TickBandDepth;
        PlaceAxis(axis, labels, [&](int position, Size text) {
            return Point{position - text.Width / 2, labelTop};
        });
        const std::string& caption = m_chart.BottomAxis.Title.Caption;
        axis.Caption = {
            caption,
            {Centred(plot.Left, plot.Right, Extent(caption, font).Width), labelTop + m_lineHeight},
            font};
    }

    // Labels right-aligned against the tick band and centred on their values; the caption turned to
    // read upwards, centred on the axis, at the working rectangle's left.
    void PlaceLeftAxis(ValueRange range) {
        const Rect& plot = m_layout.Plot;
        AxisPlacement& axis = m_layout.Left;
        axis.Scale = {AxisOrientation::Vertical, range.Minimum, range.Maximum, plot.Top, plot.Height()};
        if (!m_chart.LeftAxis.Visible)
            return;
        const int labelRight = plot.Left - style::TickBandDepth;
        PlaceAxis(axis, m_leftLabels, [&](int position, Size text) {
            return Point{labelRight - text.Width, position - text.Height / 2};
        });
        const Font& font = style::ChartFont;
        const std::string& caption = m_chart.LeftAxis.Title.Caption;
        // Upwards text lies above its origin: y in [Origin.Y - width, Origin.Y).
        axis.Caption = {caption,
                        {m_working.Left, plot.Top + (plot.Height() + Extent(caption, font).Width) / 2},
                        font,
                        TextDirection::Upwards};
    }

    template <typename LabelOrigin>
    void PlaceAxis(AxisPlacement& axis, LabelSet& labels, LabelOrigin labelOrigin) {
        axis.Visible = true;
        axis.TickBandDepth = style::TickBandDepth;
        axis.Increment = labels.Increment;
        const auto pixel = [&](double value) {
            return static_cast<int>(std::lround(axis.Scale.PixelOf(value)));
        };
        for (std::size_t i = 0; i < labels.Values.size(); ++i) {
            const int position = pixel(labels.Values[i]);
            const Size text = Extent(labels.Texts[i], style::ChartFont);
            axis.Labels.push_back(
                {labels.Values[i],
                 position,
                 {std::move(labels.Texts[i]), labelOrigin(position, text), style::ChartFont}});
        }
        for (double value :
             MinorTickValues(axis.Scale.Minimum, axis.Scale.Maximum, labels.Increment, labels.Values))
            axis.MinorTicks.push_back(pixel(value));
    }

    Canvas& m_measure;
    const Chart& m_chart;
    ChartLayout m_layout;
    Rect m_working;
    int m_lineHeight = 0;
    LabelSet m_leftLabels;
};

} // namespace

ChartLayout LayOutChart(Canvas& measure, Rect area, const Chart& chart) {
    return LayoutPass(measure, chart).Run(area);
}

} // namespace chart
