#include "Curve.h"

#include "Style.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace chart {

namespace {

struct Box {
    double Left, Top, Right, Bottom;
};

struct Segment {
    PointF From, To;
};

// Liang-Barsky: the part of the segment inside the box, if any.
std::optional<Segment> ClipSegment(Segment s, const Box& box) {
    const double dx = s.To.X - s.From.X;
    const double dy = s.To.Y - s.From.Y;
    double enter = 0, leave = 1;
    // Each edge as p * t <= q: the segment's parameter t is inside that edge's half-plane.
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {s.From.X - box.Left, box.Right - s.From.X, s.From.Y - box.Top, box.Bottom - s.From.Y};
    for (int edge = 0; edge < 4; ++edge) {
        if (p[edge] == 0) {
            if (q[edge] < 0)
                return std::nullopt;
            continue;
        }
        const double t = q[edge] / p[edge];
        if (p[edge] < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    if (enter > leave)
        return std::nullopt;
    return Segment{{s.From.X + enter * dx, s.From.Y + enter * dy},
                   {s.From.X + leave * dx, s.From.Y + leave * dy}};
}

Point ToPixel(PointF p) {
    return {static_cast<int>(std::lround(p.X)), static_cast<int>(std::lround(p.Y))};
}

bool SamePixel(PointF a, PointF b) {
    return std::round(a.X) == std::round(b.X) && std::round(a.Y) == std::round(b.Y);
}

double DistanceToSegment(PointF p, PointF a, PointF b) {
    const double dx = b.X - a.X, dy = b.Y - a.Y;
    const double lengthSquared = dx * dx + dy * dy;
    const double t =
        lengthSquared == 0 ? 0 : std::clamp(((p.X - a.X) * dx + (p.Y - a.Y) * dy) / lengthSquared, 0.0, 1.0);
    return std::hypot(p.X - (a.X + t * dx), p.Y - (a.Y + t * dy));
}

// Builds the runs of a curve from consecutive segments.
class RunBuilder {
public:
    explicit RunBuilder(std::vector<std::vector<Point>>& runs) : m_runs(runs) {}

    void Add(Point from, Point to) {
        if (m_run.empty() || m_run.back() != from) {
            Break();
            m_run.push_back(from);
        }
        if (to != m_run.back())
            m_run.push_back(to);
    }
    void Break() {
        if (m_run.size() >= 2)
            m_runs.push_back(std::move(m_run));
        m_run.clear();
    }

private:
    std::vector<std::vector<Point>>& m_runs;
    std::vector<Point> m_run;
};

} // namespace

CurvePath TraceCurve(const Series& series, const AxisScale& horizontal, const AxisScale& vertical,
                     const Rect& clip) {
    CurvePath curve{Pen{series.Colour, series.LineWidth, PenStyle::Solid}, {}};
    const std::vector<PointF>& points = series.Points;
    const auto atOrRightOf = [&](double x) {
        return std::lower_bound(points.begin(), points.end(), x,
                                [](const PointF& p, double value) { return p.X < value; });
    };
    const auto first = atOrRightOf(horizontal.Minimum);
    if (first == points.end())
        return curve;
    const auto last = std::min(atOrRightOf(horizontal.Maximum), points.end() - 1);

    const auto toPixels = [&](PointF p) {
        return PointF{horizontal.PixelOf(p.X), vertical.PixelOf(p.Y)};
    };
    PointF previous = toPixels(*first);
    if (first != points.begin()) {
        const PointF& a = *(first - 1);
        const PointF& b = *first;
        const double y = a.Y + (horizontal.Minimum - a.X) * (b.Y - a.Y) / (b.X - a.X);
        previous = toPixels({horizontal.Minimum, y});
    }

    // Beyond the clip by more than the pen reaches, so clipped ends never show.
    const double reach = series.LineWidth + 1.0;
    const Box box{clip.Left - reach, clip.Top - reach, clip.Right - 1 + reach, clip.Bottom - 1 + reach};
    RunBuilder runs(curve.Runs);
    for (auto it = first == points.begin() ? first + 1 : first; it <= last; ++it) {
        const PointF next = toPixels(*it);
        if (!SamePixel(previous, next)) {
            if (const auto inside = ClipSegment({previous, next}, box))
                runs.Add(ToPixel(inside->From), ToPixel(inside->To));
            else
                runs.Break();
        }
        previous = next;
    }
    runs.Break();
    return curve;
}

bool CurveHits(const CurvePath& curve, const Rect& clip, Point point) {
    if (!clip.Contains(point))
        return false;
    const double reach = curve.Line.Width / 2.0 + style::CurveHitSlack;
    const PointF p{static_cast<double>(point.X), static_cast<double>(point.Y)};
    for (const std::vector<Point>& run : curve.Runs)
        for (std::size_t i = 1; i < run.size(); ++i) {
            const PointF a{static_cast<double>(run[i - 1].X), static_cast<double>(run[i - 1].Y)};
            const PointF b{static_cast<double>(run[i].X), static_cast<double>(run[i].Y)};
            if (DistanceToSegment(p, a, b) <= reach)
                return true;
        }
    return false;
}

} // namespace chart
