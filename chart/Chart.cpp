#include "Chart.h"

#include "AutoRange.h"
#include "Style.h"

#include <array>
#include <string>

namespace chart {

namespace {

void AdoptScale(Axis& axis, const AxisScale& scale) {
    axis.Scale = scale;
    // For a manual axis these are the values it was drawn with already.
    axis.Minimum = scale.Minimum;
    axis.Maximum = scale.Maximum;
}

} // namespace

Chart::Chart()
    : Title([this] { RequestRepaint(Repaint::Immediate); }),
      Foot([this] { RequestRepaint(Repaint::Immediate); }) {
    Title.Text = "Charakteristiky termočlánků";
    // The hints for the left and the right mouse button, 32 spaces apart.
    Foot.Text = "Levé tlačítko myši = Zoom / Unzoom," + std::string(32, ' ') +
                "Pravé tlačítko myši = uchopení a posun";
    BottomAxis.Title.Caption = "Teplota [°C]";
    LeftAxis.Title.Caption = "Napětí [uV]";
    TopAxis.Visible = false;
    RightAxis.Visible = false;
}

Series& Chart::AddSeries(std::string title, Color colour) {
    Series& series = m_series.emplace_back();
    series.Title = std::move(title);
    series.Colour = colour;
    return series;
}

void Chart::Paint(Canvas& canvas, Size clientSize) {
    Paint(canvas, Rect{0, 0, clientSize.Width, clientSize.Height}, Medium::Screen);
}

void Chart::Paint(Canvas& canvas, Rect area, Medium medium) {
    m_layout = LayOutChart(canvas, area, *this);
    AdoptScale(BottomAxis, m_layout.Bottom.Scale);
    AdoptScale(LeftAxis, m_layout.Left.Scale);
    AdoptScale(TopAxis, m_layout.Top.Scale);
    AdoptScale(RightAxis, m_layout.Right.Scale);
    Render(canvas, m_layout, medium);
}

void Chart::UpdateAutomaticRanges() {
    const auto update = [](Axis& axis, const std::optional<ValueRange>& data) {
        const ValueRange range = DrawnRange(axis, data);
        axis.Minimum = range.Minimum;
        axis.Maximum = range.Maximum;
    };
    update(BottomAxis, DataExtent(m_series, AxisOrientation::Horizontal));
    update(LeftAxis, DataExtent(m_series, AxisOrientation::Vertical));
}

std::optional<std::size_t> Chart::CurveAt(Point point) const {
    for (std::size_t i = m_layout.Curves.size(); i-- > 0;)
        if (CurveHits(m_layout.Curves[i], m_layout.CurveClip, point))
            return i;
    return std::nullopt;
}

void Chart::RequestRepaint(Repaint kind) const {
    if (OnRepaintRequest)
        OnRepaintRequest(kind);
}

Axis& Chart::MouseHost::AxisAt(AxisSide side) {
    // Indexed by AxisSide.
    static constexpr std::array<Axis Chart::*, AllAxisSides.size()> axes{&Chart::BottomAxis, &Chart::TopAxis,
                                                                         &Chart::LeftAxis, &Chart::RightAxis};
    return m_chart.*axes[IndexOf(side)];
}

Color Chart::MouseHost::BackgroundColor() const {
    return style::Background;
}

void Chart::MouseHost::DrawOnWindow(const std::function<void(Canvas&)>& draw) {
    if (m_chart.OnDrawOnWindow)
        m_chart.OnDrawOnWindow(draw);
}

} // namespace chart
