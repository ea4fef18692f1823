#include "unit/chart/ThermoCurves.h"

#include "chart/Chart.h"

#include <benchmark/benchmark.h>

#include <cstddef>

namespace {

using namespace chart;

// Counts the drawing calls and the points drawn; text is measured like the unit tests' canvas
// (Arial 11 px: 6 x 14 per character), so the layout matches theirs.
class CountingCanvas : public Canvas {
public:
    void FillRect(const Rect&, Color) override { ++Calls; }
    void FrameRect(const Rect&, const Pen&) override { ++Calls; }
    void Line(Point, Point, const Pen&) override { ++Calls; }
    void Polyline(std::span<const Point> points, const Pen&) override {
        ++Calls;
        Points += points.size();
    }
    Size TextExtent(std::string_view text, const Font& font) override {
        std::size_t characters = 0;
        for (char c : text)
            characters += (c & 0xC0) != 0x80;
        return {static_cast<int>(characters) * ((font.Height + 1) / 2), font.Height + 3};
    }
    void Text(Point, std::string_view, const Font&, TextDirection) override { ++Calls; }
    void NotXorOutline(Point, Point, Color) override { ++Calls; }
    void IntersectClip(const Rect&) override {}
    void SaveState() override {}
    void RestoreState() override {}

    std::size_t Calls = 0;
    std::size_t Points = 0;
};

// Arguments: the chart's client width and height.
void PaintWholeChart(benchmark::State& state) {
    Chart chart;
    chart::testing::AddThermoCurves(chart);
    const Size size{static_cast<int>(state.range(0)), static_cast<int>(state.range(1))};
    CountingCanvas canvas;
    for (auto _ : state) {
        chart.Paint(canvas, size);
        benchmark::DoNotOptimize(canvas.Calls);
    }
    state.counters["calls/paint"] = static_cast<double>(canvas.Calls) / state.iterations();
    state.counters["points/paint"] = static_cast<double>(canvas.Points) / state.iterations();
}
BENCHMARK(PaintWholeChart)->Args({726, 455})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

} // namespace
