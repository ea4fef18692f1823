#include "ChartPicture.h"
#include "PictureComparison.h"
#include "ProgramTest.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <vector>

// The chart as the program draws it under Wine, read back from the screen: every part at the design
// size, the curves filling the plot, a new layout after a resize, the user's regional separators, and
// the whole picture against the reviewed reference screenshot.
namespace e2e {
namespace {

// The chart lies at (-9, -3) in the form's client area and is 9 pixels wider and 6 taller than it.
constexpr Point ChartOrigin{-9, -3};
constexpr Point ChartOversize{9, 6};

// The margins, in percent of the chart's width (left, right) and height (top, bottom).
constexpr int MarginRightPercent = 3;
constexpr int MarginTopPercent = 4;

// The pixels of the client area of a window found on the X display only (no probe), the client area
// lying in it where it lies in a window of the same place and size that the probe described.
Image CaptureLike(XDisplay& display, const XDisplay::TopLevel& window, const ProbedWindow& described,
                  const XDisplay::TopLevel& describedOnX) {
    const Point offset{described.Client.Left - describedOnX.Bounds.Left,
                       described.Client.Top - describedOnX.Bounds.Top};
    return display.Capture({window.Bounds.Left + offset.X, window.Bounds.Top + offset.Y,
                            described.Client.Width, described.Client.Height});
}

class ChartAppearance : public ProgramTest {
protected:
    void SetUp() override {
        ParkPointer();
        Start();
        Window = WaitForMainWindow();
        Picture = WaitForChart(Window);
    }

    // In the screen's corner, away from the window, so that nothing shows a hint or reacts to the pointer.
    void ParkPointer() { Display.MoveTo({0, 0}); }

    // The client area once the chart shows its plot and all nine curves.
    Image WaitForChart(const ProbedWindow& window) {
        Image picture;
        const bool complete = WaitUntil([&] {
            picture = CaptureClient(window);
            const std::optional<Rect> plot = FindFramedPlot(picture);
            return plot && std::ranges::all_of(CurveColours, [&](const CurveColour& curve) {
                       return picture.CountBlocks(curve.Colour, *plot) >= CurveBlocks;
                   });
        });
        if (!complete) {
            Save(picture, "incomplete");
            throw std::runtime_error("the chart did not show its plot and its nine curves");
        }
        return picture;
    }

    // Writes a picture to the run's output directory as <Suite>.<Test>.<what>.png and says where.
    static std::string Save(const Image& picture, const std::string& what) {
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        const auto path = TestEnvironment::Get().OutputDir /
                          (std::string(test->test_suite_name()) + "." + test->name() + "." + what + ".png");
        WritePng(picture, path);
        return path.string();
    }

    // The places of the program's controls, which cover parts of the chart, in client coordinates.
    std::vector<Rect> Controls(const ProbedWindow& window) const {
        std::vector<Rect> controls;
        for (const char* name : {"Button", "TImage"})
            if (const std::optional<ProbedChild> control = window.Child(name))
                controls.push_back(control->Outer.Offset({-window.Client.Left, -window.Client.Top}));
        return controls;
    }

    // The bottom axis: a label centred under each tick, the caption centred under the labels, a dotted
    // grid line up from each tick and none between them.
    void ExpectBottomAxis(const Image& picture, const Rect& plot) {
        const std::vector<int> ticks = BottomTicks(picture, plot);
        EXPECT_GE(ticks.size(), 5u) << "ticks under the plot " << plot;
        const Rect labelRow{plot.Left - 20, plot.Bottom() + TickBand, plot.Width + 40, LineHeight};
        const std::vector<Span> labels = InkRuns(picture, labelRow, Along::Columns);
        EXPECT_EQ(labels.size(), ticks.size()) << "labels in " << labelRow;
        for (int tick : ticks)
            EXPECT_TRUE(std::ranges::any_of(labels, [&](Span l) { return std::abs(l.Centre() - tick) <= 2; }))
                << "no label centred under the tick at x = " << tick;

        // The caption's letters down to their baseline: the legend's frame may cross them, its own letters
        // begin just below.
        const int centre = plot.Left + plot.Width / 2;
        const Image caption = WithoutLongLines(picture.Crop({centre - 60, labelRow.Bottom(), 120, 10}));
        const std::vector<Span> captionRuns =
            InkRuns(caption, {0, 0, caption.Width, caption.Height}, Along::Columns, 6);
        EXPECT_EQ(captionRuns.size(), 1u) << "the bottom axis' caption centred under the plot";
        if (captionRuns.size() == 1) {
            EXPECT_GE(captionRuns[0].Length(), 40);
            EXPECT_NEAR(captionRuns[0].Centre(), caption.Width / 2.0, 3.0);
        }

        ExpectGrid(picture, plot, ticks, Along::Columns);
    }

    // The left axis: a label right-aligned against the tick band and centred on each tick, the turned
    // caption left of them centred on the plot, a dotted grid line across from each tick.
    void ExpectLeftAxis(const Image& picture, const Rect& plot) {
        const int tickColumn = plot.Left - TickBand;
        const std::vector<int> ticks = LeftTicks(picture, plot);
        EXPECT_GE(ticks.size(), 5u) << "ticks left of the plot " << plot;
        int labelsLeft = tickColumn;
        for (int tick : ticks) {
            const std::vector<Span> runs = InkRuns(picture, {0, tick - 6, tickColumn, 13}, Along::Columns);
            if (runs.empty()) {
                ADD_FAILURE() << "no label at the tick at y = " << tick;
                continue;
            }
            const Span label = runs.back();
            EXPECT_GE(label.Last, tickColumn - 3) << "the label at y = " << tick << " is not right-aligned";
            const std::vector<Span> rows =
                InkRuns(picture, {label.First, tick - 6, label.Length(), 13}, Along::Rows, 3);
            EXPECT_TRUE(!rows.empty() && std::abs(rows.front().Centre() - tick) <= 2.5)
                << "the label at y = " << tick << " is not centred on its tick";
            labelsLeft = std::min(labelsLeft, label.First);
        }
        const std::vector<Span> caption =
            InkRuns(picture, {0, plot.Top, labelsLeft - 1, plot.Height}, Along::Rows, 6);
        EXPECT_EQ(caption.size(), 1u) << "the left axis' caption";
        if (caption.size() == 1) {
            EXPECT_GE(caption[0].Length(), 40);
            EXPECT_NEAR(caption[0].Centre(), plot.Top + plot.Height / 2.0, 3.0);
        }
        ExpectGrid(picture, plot, ticks, Along::Rows);
    }

    // A dotted line ({3, 3}: half its pixels) across the plot at each tick; next to none half-way between.
    void ExpectGrid(const Image& picture, const Rect& plot, const std::vector<int>& ticks, Along along) {
        const bool columns = along == Along::Columns;
        const auto line = [&](int at) {
            return columns ? Rect{at, plot.Top + 1, 1, plot.Height - 2}
                           : Rect{plot.Left + 1, at, plot.Width - 2, 1};
        };
        const auto greyShare = [&](int at) {
            const Rect l = line(at);
            return Count(picture, l, [](Rgb p) { return p == Grey; }) / double(l.Width * l.Height);
        };
        for (std::size_t i = 0; i < ticks.size(); ++i) {
            EXPECT_GT(greyShare(ticks[i]), 0.3) << "no grid line at " << ticks[i];
            if (i > 0) {
                EXPECT_LT(greyShare((ticks[i - 1] + ticks[i]) / 2), 0.1)
                    << "a grid line between the ticks at " << ticks[i - 1] << " and " << ticks[i];
            }
        }
    }

    // Every curve in its colour; E from the plot's lower left corner up to its top edge, C to its right edge.
    void ExpectCurvesFillThePlot(const Image& picture, const Rect& plot) {
        for (const CurveColour& curve : CurveColours)
            EXPECT_GE(picture.CountBlocks(curve.Colour, plot), CurveBlocks) << "curve " << curve.Type;
        // The curves are clipped to the inside of the frame: its first row, column, last row and column.
        const int insideLeft = plot.Left + 1, insideTop = plot.Top + 1;
        const int insideRight = plot.Right() - 2, insideBottom = plot.Bottom() - 2;
        const std::vector<Point> e = Blocks(picture, Grey, plot);
        // Its first point is the corner; rising gently there, its line runs along the bottom edge for a
        // few pixels before it leaves it. A margin of 3 % would start it clear of the edge.
        EXPECT_TRUE(std::ranges::any_of(
            e, [&](Point b) { return b.Y + 1 == insideBottom && b.X - insideLeft < plot.Width * 3 / 100; }))
            << "the E curve does not start in the lower left corner of " << plot;
        EXPECT_TRUE(std::ranges::any_of(e, [&](Point b) { return b.Y == insideTop; }))
            << "the E curve does not reach the top edge of " << plot;
        const std::vector<Point> c = Blocks(picture, Navy, plot);
        EXPECT_TRUE(std::ranges::any_of(c, [&](Point b) { return b.X + 1 == insideRight; }))
            << "the C curve does not reach the right edge of " << plot;
    }

    // The nine colour symbols in one row below the plot, K to C from left to right, each followed by its
    // letter. Returns the row's rectangle.
    Rect ExpectLegendRow(const Image& picture, const Rect& plot, const std::vector<Rect>& controls) {
        const Rect below{0, plot.Bottom() + TickBand, picture.Width,
                         picture.Height - plot.Bottom() - TickBand};
        std::vector<Span> symbols;
        int top = picture.Height, bottom = 0;
        for (const CurveColour& curve : CurveColours) {
            std::vector<Point> blocks = Blocks(picture, curve.Colour, below);
            std::erase_if(blocks, [&](Point b) {
                return std::ranges::any_of(controls, [&](const Rect& c) { return c.Contains(b); });
            });
            if (blocks.empty()) {
                ADD_FAILURE() << "no legend symbol of curve " << curve.Type;
                return {};
            }
            const auto [minX, maxX] = std::ranges::minmax(blocks, {}, &Point::X);
            const auto [minY, maxY] = std::ranges::minmax(blocks, {}, &Point::Y);
            symbols.push_back({minX.X, maxX.X + 1});
            top = std::min(top, minY.Y);
            bottom = std::max(bottom, maxY.Y + 1);
        }
        EXPECT_LE(bottom - top, 3) << "the legend symbols are not in one row";
        for (std::size_t i = 1; i < symbols.size(); ++i)
            EXPECT_GT(symbols[i].First, symbols[i - 1].Last)
                << "legend symbol " << CurveColours[i].Type << " is not right of "
                << CurveColours[i - 1].Type;
        for (std::size_t i = 0; i < symbols.size(); ++i) {
            const int nextSymbol = i + 1 < symbols.size() ? symbols[i + 1].First : symbols[i].Last + 20;
            EXPECT_GT(
                Count(picture, {symbols[i].Last + 1, top - 6, nextSymbol - symbols[i].Last - 1, 14}, IsInk),
                5)
                << "no letter after legend symbol " << CurveColours[i].Type;
        }
        return {symbols.front().First, top - 6, symbols.back().Last + 20 - symbols.front().First, 16};
    }

    ProbedWindow Window;
    Image Picture;
};

TEST_F(ChartAppearance, ShowsTitleFootLegendAxesGridAndTheNineCurvesAtTheDesignSize) {
    const std::optional<Rect> plot = FindFramedPlot(Picture);
    ASSERT_TRUE(plot) << "no plot frame with its axis lines: " << Save(Picture, "picture");
    const int chartCentre = ChartOrigin.X + (Picture.Width + ChartOversize.X) / 2;

    const std::vector<Span> title =
        InkRuns(Picture, {plot->Left, 0, plot->Width, plot->Top}, Along::Columns, 8);
    ASSERT_EQ(title.size(), 1u) << "the title above the plot";
    EXPECT_GE(title[0].Length(), 100);
    EXPECT_NEAR(title[0].Centre(), chartCentre, 3.0);

    ExpectBottomAxis(Picture, *plot);
    ExpectLeftAxis(Picture, *plot);
    ExpectCurvesFillThePlot(Picture, *plot);
    const std::vector<Rect> controls = Controls(Window);
    const Rect legend = ExpectLegendRow(Picture, *plot, controls);

    // The foot line below the legend: two hints, 32 spaces apart, centred on the chart.
    Image foot =
        WithoutLongLines(Picture.Crop({0, legend.Bottom(), Picture.Width, Picture.Height - legend.Bottom()}));
    for (const Rect& control : controls)
        for (int y = 0; y < foot.Height; ++y)
            for (int x = std::max(control.Left, 0); x < std::min(control.Right(), foot.Width); ++x)
                foot.Pixels[static_cast<std::size_t>(y) * foot.Width + x] = White;
    const std::vector<Span> hints = InkRuns(foot, {0, 0, foot.Width, foot.Height}, Along::Columns, 40);
    ASSERT_EQ(hints.size(), 2u) << "the foot's two hints: " << Save(Picture, "picture");
    EXPECT_GE(hints[1].First - hints[0].Last, 60) << "the 32 spaces between the hints";
    EXPECT_NEAR((hints[0].First + hints[1].Last) / 2.0, chartCentre, 3.0);

    if (HasFailure())
        std::cout << "The picture: " << Save(Picture, "picture") << std::endl;
}

TEST_F(ChartAppearance, LaysItselfOutAnewWhenResized) {
    const std::optional<Rect> before = FindFramedPlot(Picture);
    ASSERT_TRUE(before);

    const Point growth{300, 200};
    const Point corner{Window.Outer.Right() - 2, Window.Outer.Bottom() - 2};
    Display.Drag(MouseButton::Left, corner, corner + growth);
    const std::optional<ProbedWindow> resized = WaitFor([&]() -> std::optional<ProbedWindow> {
        std::optional<ProbedWindow> window = ProbeWindow(ProgramTitle, MainWindowClass);
        if (window && window->Client.Width == Window.Client.Width + growth.X &&
            window->Client.Height == Window.Client.Height + growth.Y)
            return window;
        return std::nullopt;
    });
    ASSERT_TRUE(resized) << "the window did not take the new size";

    // The margins follow the new size: the plot's right edge is the working rectangle's, 3 % of the
    // chart's width in from its right; its top moves down as the top margin (4 % of the height) grows.
    const Point chart{resized->Client.Width + ChartOversize.X, resized->Client.Height + ChartOversize.Y};
    const int designChartHeight = Window.Client.Height + ChartOversize.Y;
    const int right =
        ChartOrigin.X + chart.X - static_cast<int>(std::lround(chart.X * MarginRightPercent / 100.0));
    const int topShift = static_cast<int>(std::lround(chart.Y * MarginTopPercent / 100.0)) -
                         static_cast<int>(std::lround(designChartHeight * MarginTopPercent / 100.0));
    Image picture;
    std::optional<Rect> after;
    const bool laidOut = WaitUntil([&] {
        picture = CaptureClient(*resized);
        after = FindFramedPlot(picture);
        return after && after->Right() == right;
    });
    ASSERT_TRUE(laidOut) << "no plot with its right edge at " << right << ": " << Save(picture, "picture");
    EXPECT_EQ(after->Top, before->Top + topShift);
    EXPECT_GT(after->Height, before->Height + growth.Y / 2);

    ExpectBottomAxis(picture, *after);
    ExpectLeftAxis(picture, *after);
    ExpectCurvesFillThePlot(picture, *after);
    ExpectLegendRow(picture, *after, Controls(*resized));
    if (HasFailure())
        std::cout << "The picture: " << Save(picture, "picture") << std::endl;
}

// Wine takes the user's regional settings from LC_ALL: Czech groups thousands with a no-break space and
// writes the decimal comma. The full view's labels have no decimals; their thousands separator shows.
TEST_F(ChartAppearance, LabelsCarryTheUsersRegionalSeparators) {
    const std::optional<Rect> plot = FindFramedPlot(Picture);
    ASSERT_TRUE(plot);
    const std::vector<XDisplay::TopLevel> english = Display.FindWindows(ProgramTitle);
    ASSERT_EQ(english.size(), 1u);
    Program->Kill();
    ASSERT_TRUE(WaitUntil([&] { return Display.FindWindows(ProgramTitle).empty(); }));

    // Found on the X display only: a probe, an en-US Wine process, would set the prefix' regional
    // settings back to en-US while the program starts and reads them.
    Start("Termoclanky.exe", {{"LC_ALL", "cs_CZ.UTF-8"}});
    Image czech;
    const bool shown = WaitUntil([&] {
        const std::vector<XDisplay::TopLevel> windows = Display.FindWindows(ProgramTitle);
        if (windows.size() != 1)
            return false;
        czech = CaptureLike(Display, windows[0], Window, english[0]);
        return FindFramedPlot(czech) == plot && czech.CountBlocks(Navy, *plot) >= CurveBlocks;
    });
    ASSERT_TRUE(shown) << "the Czech window: " << Save(czech, "czech");

    // The same picture but for the separators: each comma of the en-US labels is blank, nothing moved
    // and nothing else differs. A label without a separator would have moved its last three digits.
    const Rect bottomLabels{0, plot->Bottom() + TickBand, Picture.Width, LineHeight};
    const Rect leftLabels{0, plot->Top - LineHeight, plot->Left - TickBand, plot->Height + 2 * LineHeight};
    std::vector<Point> commas;
    for (int y = 0; y < Picture.Height; ++y)
        for (int x = 0; x < Picture.Width; ++x) {
            const Rgb en = Picture.At(x, y), cs = czech.At(x, y);
            if (en == cs)
                continue;
            const Point p{x, y};
            ASSERT_TRUE(bottomLabels.Contains(p) || leftLabels.Contains(p))
                << "a difference outside the labels at " << p << ": " << Save(czech, "czech");
            ASSERT_TRUE(IsInk(en) && cs == White)
                << "at " << p << " en-US " << en << ", Czech " << cs << ": " << Save(czech, "czech");
            commas.push_back(p);
        }
    // Which labels lost ink: -200 ... 800 have no separator, 1,000 ... 2,200 have; on the left 0 has none.
    const auto separated = [&](const std::vector<int>& ticks, const Rect& labels, int reach, bool columns) {
        return std::ranges::count_if(ticks, [&](int tick) {
            return std::ranges::any_of(commas, [&](Point p) {
                return labels.Contains(p) && std::abs((columns ? p.X : p.Y) - tick) <= reach;
            });
        });
    };
    const std::vector<int> bottomTicks = BottomTicks(Picture, *plot), leftTicks = LeftTicks(Picture, *plot);
    const auto bottomSeparated = separated(bottomTicks, bottomLabels, 20, true);
    const auto leftSeparated = separated(leftTicks, leftLabels, 7, false);
    EXPECT_GE(bottomSeparated, 5) << "bottom labels with a separator";
    EXPECT_GE(std::ssize(bottomTicks) - bottomSeparated, 5) << "bottom labels without one";
    EXPECT_GE(leftSeparated, 10) << "left labels with a separator";
    EXPECT_GE(std::ssize(leftTicks) - leftSeparated, 1) << "left labels without one";
}

// The reference is the client area at the design size under the test setup (Wine 8, fonts-liberation,
// en-US), reviewed by eye. After an intended change of the look, review the picture this test saves and
// copy it over tests/e2e/reference/main-window.png.
TEST_F(ChartAppearance, LooksLikeTheReviewedReferenceScreenshot) {
    const auto referenceFile = TestEnvironment::Get().SourceDir / "tests/e2e/reference/main-window.png";
    ASSERT_TRUE(std::filesystem::exists(referenceFile))
        << referenceFile << " is missing; the program's picture: " << Save(Picture, "picture");
    const Image reference = ReadPng(referenceFile);
    ASSERT_EQ(Picture.Width, reference.Width);
    ASSERT_EQ(Picture.Height, reference.Height);
    PictureDifference difference;
    WaitUntil(
        [&] {
            difference = ComparePictures(Picture = CaptureClient(Window), reference);
            return difference.Pixels <= AllowedDifferentPixels;
        },
        5s); // the picture is complete already: only a late repaint could still change it
    EXPECT_LE(difference.Pixels, AllowedDifferentPixels)
        << "differing in " << difference.Bounds << "; the program's picture: " << Save(Picture, "picture")
        << ", the differences: " << Save(difference.Map, "difference");

    // The tolerance lies between anti-aliasing and a fault. Each case changes the program's picture.
    const std::optional<Rect> plot = FindFramedPlot(Picture);
    ASSERT_TRUE(plot);
    const auto changed = [&](auto&& change) {
        Image picture = Picture;
        for (int y = 0; y < picture.Height; ++y)
            for (int x = 0; x < picture.Width; ++x)
                change(Picture, x, y, picture.Pixels[static_cast<std::size_t>(y) * picture.Width + x]);
        return ComparePictures(picture, reference).Pixels;
    };
    // Anti-aliased text: every glyph pixel 40 lighter, every white pixel next to one 40 darker.
    EXPECT_LE(changed([&](const Image& before, int x, int y, Rgb& p) {
                  const auto shifted = [](Rgb q, int by) {
                      return Rgb{std::uint8_t(q.R + by), std::uint8_t(q.G + by), std::uint8_t(q.B + by)};
                  };
                  if (IsInk(p))
                      p = shifted(p, 40);
                  else if (p == White && ((x > 0 && IsInk(before.At(x - 1, y))) ||
                                          (x + 1 < before.Width && IsInk(before.At(x + 1, y))) ||
                                          (y > 0 && IsInk(before.At(x, y - 1))) ||
                                          (y + 1 < before.Height && IsInk(before.At(x, y + 1)))))
                      p = shifted(p, -40);
              }),
              AllowedDifferentPixels);
    // The left axis, its labels and caption 2 pixels further left.
    EXPECT_GT(changed([&](const Image& before, int x, int y, Rgb& p) {
                  if (x < plot->Left)
                      p = x + 2 < plot->Left ? before.At(x + 2, y) : White;
              }),
              AllowedDifferentPixels);
    // No bottom labels.
    EXPECT_GT(changed([&](const Image&, int x, int y, Rgb& p) {
                  if (y >= plot->Bottom() + TickBand && y < plot->Bottom() + TickBand + LineHeight &&
                      x >= plot->Left - 20 && x < plot->Right() + 20)
                      p = White;
              }),
              AllowedDifferentPixels);
    // No C curve.
    EXPECT_GT(changed([&](const Image&, int x, int y, Rgb& p) {
                  if (p == Navy && plot->Contains(Point{x, y}))
                      p = White;
              }),
              AllowedDifferentPixels);
}

} // namespace
} // namespace e2e
