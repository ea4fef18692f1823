#include "CurveColours.h"
#include "PlotFrame.h"
#include "ProgramTest.h"

#include <chrono>
#include <cmath>
#include <cstdlib>

namespace e2e {
namespace {

// The chart moves its vertical ranges by this share of their width per wheel notch, so its curves by
// this share of the plot's height.
constexpr double WheelScrollFraction = 0.03;
// Long enough for a wrongly requested repaint to show: Wine repaints within milliseconds once idle.
constexpr std::chrono::milliseconds SettleTime = 500ms;
// Of the curve pixels that a move brings back onto their colour: each point of a curve is rounded to
// a pixel, so where a move is not a whole number of pixels some are one off.
constexpr double MatchingShare = 0.8;

Rgb Inverted(Rgb colour) {
    return {static_cast<std::uint8_t>(255 - colour.R), static_cast<std::uint8_t>(255 - colour.G),
            static_cast<std::uint8_t>(255 - colour.B)};
}

// The picture with the zoom outline between the corners a and b (both on it) drawn over it: with the
// black not-XOR pen of the white chart every pixel of it is inverted.
Image WithOutline(Image picture, Point a, Point b) {
    const int left = std::min(a.X, b.X), right = std::max(a.X, b.X);
    const int top = std::min(a.Y, b.Y), bottom = std::max(a.Y, b.Y);
    const auto invert = [&picture](int x, int y) {
        Rgb& pixel = picture.Pixels[static_cast<std::size_t>(y) * picture.Width + x];
        pixel = Inverted(pixel);
    };
    for (int x = left; x <= right; ++x) {
        invert(x, top);
        if (bottom != top)
            invert(x, bottom);
    }
    for (int y = top + 1; y < bottom; ++y) {
        invert(left, y);
        if (right != left)
            invert(right, y);
    }
    return picture;
}

int Differences(const Image& a, const Image& b) {
    int count = 0;
    for (std::size_t i = 0; i < a.Pixels.size(); ++i)
        count += a.Pixels[i] != b.Pixels[i];
    return count;
}

struct CurveShift {
    Point By;
    double Share = 0; // of the curve pixels in the area that lie on their own colour moved back by By
};

// How far the curves moved from `before` to `after`: of the shifts within `reach` of `expected`, the one
// that brings most curve pixels of the area back onto the same colour. The area, moved back by any of
// them, must lie inside the plot, where `before` shows the curves unclipped.
CurveShift MeasureShift(const Image& before, const Image& after, const Rect& area, Point expected,
                        int reach) {
    CurveShift best;
    for (int dy = expected.Y - reach; dy <= expected.Y + reach; ++dy)
        for (int dx = expected.X - reach; dx <= expected.X + reach; ++dx) {
            int curve = 0, kept = 0;
            for (int y = area.Top; y < area.Bottom(); ++y)
                for (int x = area.Left; x < area.Right(); ++x) {
                    const Rgb pixel = after.At(x, y);
                    if (!IsCurveColour(pixel))
                        continue;
                    ++curve;
                    kept += before.At(x - dx, y - dy) == pixel;
                }
            const double share = curve ? static_cast<double>(kept) / curve : 0;
            if (share > best.Share)
                best = {{dx, dy}, share};
        }
    return best;
}

Rect Shrunk(const Rect& rect, int by) {
    return {rect.Left + by, rect.Top + by, rect.Width - 2 * by, rect.Height - 2 * by};
}

// The main window at its design size with the full view of the nine curves settled on the screen. Points
// are in the window's client coordinates, which are the chart's moved by (-9, -3).
class ChartMouse : public ProgramTest {
protected:
    void SetUp() override {
        Start();
        Window = WaitForMainWindow();
        const std::optional<ProbedChild> button = Window.Child("Button", "Tisk");
        const std::optional<ProbedChild> logo = Window.Child("TImage");
        ASSERT_TRUE(button && logo);
        Button = InClient(button->Outer);
        Logo = InClient(logo->Outer);
        ASSERT_TRUE(WaitUntil([this] {
            StartPicture = Capture();
            return StartPicture.CountBlocks(CurveColours[0].Colour, ViewArea()) > 100 &&
                   Capture() == StartPicture;
        })) << "the chart did not settle";
        Plot = FindPlot(StartPicture, {StartPicture.Width / 2, StartPicture.Height / 3});
        ASSERT_GT(Plot.Width, 400);
        ASSERT_GT(Plot.Height, 250);
    }

    Rect InClient(const Rect& screen) const {
        return screen.Offset({-Window.Client.Left, -Window.Client.Top});
    }
    Point OnScreen(Point client) const { return client + Window.Client.TopLeft(); }
    // A point at the given fractions of the plot's width and height.
    Point InPlot(double x, double y) const {
        return {Plot.Left + static_cast<int>(Plot.Width * x), Plot.Top + static_cast<int>(Plot.Height * y)};
    }

    Image Capture() { return CaptureClient(Window); }
    Rect WholeClient() const { return {0, 0, Window.Client.Width, Window.Client.Height}; }
    // Above the logo and the button: where the view shows, and no hint of the logo's.
    Rect ViewArea() const { return {0, 0, Window.Client.Width, Logo.Top}; }

    void Drag(MouseButton button, Point from, Point to) {
        Display.Drag(button, OnScreen(from), OnScreen(to));
    }

    // Waits until the area of the client shows the picture's pixels there.
    bool Shows(const Image& picture, const Rect& area) {
        return WaitUntil([&] { return Capture().Crop(area) == picture.Crop(area); });
    }
    bool Shows(const Image& picture) { return Shows(picture, WholeClient()); }
    // Waits until the area has changed from the picture and holds still; returns the client area then.
    std::optional<Image> ChangedFrom(const Image& picture, const Rect& area) {
        return WaitFor([&]() -> std::optional<Image> {
            const Image shown = Capture();
            if (shown.Crop(area) == picture.Crop(area) || Capture() != shown)
                return std::nullopt;
            return shown;
        });
    }
    std::optional<Image> ChangedFrom(const Image& picture) { return ChangedFrom(picture, WholeClient()); }
    // Whether the area keeps showing the picture's pixels there for the settle time.
    bool Keeps(const Image& picture, const Rect& area) {
        return !WaitUntil([&] { return Capture().Crop(area) != picture.Crop(area); }, SettleTime);
    }
    // How many pixels of the area differ from the picture now.
    int DifferencesFrom(const Image& picture, const Rect& area) {
        return Differences(Capture().Crop(area), picture.Crop(area));
    }
    int DifferencesFrom(const Image& picture) { return DifferencesFrom(picture, WholeClient()); }

    ProbedWindow Window;
    Rect Button;
    Rect Logo;
    Rect Plot;
    Image StartPicture;
};

TEST_F(ChartMouse, AZoomThenAReverseDragGiveBackTheStartPicture) {
    const Point press = InPlot(0.3, 0.2);
    const Point release = InPlot(0.7, 0.6);
    Drag(MouseButton::Left, press, release);
    ASSERT_TRUE(ChangedFrom(StartPicture)) << "the zoom changed nothing";

    Drag(MouseButton::Left, release, press);
    EXPECT_TRUE(Shows(StartPicture)) << DifferencesFrom(StartPicture) << " pixels differ";
}

TEST_F(ChartMouse, DragsOf16PixelsOrLessEitherWayLeaveThePictureUnchanged) {
    const Point drags[] = {{16, 16}, {16, 120}, {120, 16}, {-16, -120}, {-120, 16}};
    const Point press = InPlot(0.5, 0.5);
    for (const Point drag : drags) {
        SCOPED_TRACE(testing::Message() << "drag by " << drag);
        const Point release = press + drag;
        Display.MoveTo(OnScreen(press));
        Display.Press(MouseButton::Left);
        Display.MoveTo(OnScreen(release));
        ASSERT_TRUE(Shows(WithOutline(StartPicture, press, release))) << "no outline during the drag";
        Display.Release(MouseButton::Left);
        EXPECT_TRUE(Shows(StartPicture)) << "the outline stayed";
        EXPECT_TRUE(Keeps(StartPicture, WholeClient())) << "the picture changed after the release";
    }
}

TEST_F(ChartMouse, TheOutlineFollowsTheDragAndLeavesNoTrace) {
    const Point press = InPlot(0.5, 0.5);
    Display.MoveTo(OnScreen(press));
    Display.Press(MouseButton::Left);
    // Growing right and down, shrinking, then crossing over to the left and up: one outline at a time.
    for (const Point corner : {InPlot(0.8, 0.9), InPlot(0.6, 0.55), InPlot(0.1, 0.45)}) {
        Display.MoveTo(OnScreen(corner));
        EXPECT_TRUE(Shows(WithOutline(StartPicture, press, corner)))
            << "not the one outline to " << corner << ": "
            << DifferencesFrom(WithOutline(StartPicture, press, corner)) << " pixels differ";
    }
    // Released 10 pixels above the press: too short a drag to do anything.
    Display.MoveTo(OnScreen(press + Point{-150, -10}));
    Display.Release(MouseButton::Left);
    EXPECT_TRUE(Shows(StartPicture)) << DifferencesFrom(StartPicture) << " pixels differ";
}

TEST_F(ChartMouse, ARightDragMovesTheCurvesByTheDrag) {
    // Left and down: the left axis' labels keep their widths, so the plot stays where it is.
    const Point drag{-60, 40};
    const Point press = InPlot(0.6, 0.6);
    Drag(MouseButton::Right, press, press + drag);
    const std::optional<Image> moved = ChangedFrom(StartPicture);
    ASSERT_TRUE(moved) << "the curves did not move";
    ASSERT_EQ(FindPlot(*moved, InPlot(0.5, 0.5)), Plot);

    const CurveShift shift = MeasureShift(StartPicture, *moved, Shrunk(Plot, 80), drag, 3);
    EXPECT_EQ(shift.By, drag);
    EXPECT_GT(shift.Share, MatchingShare);
}

TEST_F(ChartMouse, AWheelNotchMovesTheCurvesOneStepWhereverThePointerIs) {
    const double step = WheelScrollFraction * Plot.Height;
    const struct {
        const char* Where;
        Point At;
    } pointers[] = {
        {"the plot", InPlot(0.5, 0.5)},
        {"the print button, which has the focus", Button.Centre()},
        {"the logo", Logo.Centre()},
    };
    for (const auto& pointer : pointers) {
        SCOPED_TRACE(pointer.Where);
        // Towards the user: the curves move down. From the full view the left axis' labels keep their
        // widths that way, so the plot stays where it is.
        Display.Wheel(OnScreen(pointer.At), -1);
        const std::optional<Image> down = ChangedFrom(StartPicture, ViewArea());
        ASSERT_TRUE(down) << "the curves did not move";
        ASSERT_EQ(FindPlot(*down, InPlot(0.5, 0.5)), Plot);
        const CurveShift shift =
            MeasureShift(StartPicture, *down, Shrunk(Plot, 30), {0, static_cast<int>(std::lround(step))}, 3);
        EXPECT_EQ(shift.By.X, 0);
        EXPECT_LT(std::abs(shift.By.Y - step), 1.0) << "moved " << shift.By.Y << " px, one step is " << step;
        EXPECT_GT(shift.Share, MatchingShare);

        // Away from the user: the curves move up, back where they were.
        Display.Wheel(OnScreen(pointer.At), 1);
        EXPECT_TRUE(Shows(StartPicture, ViewArea()))
            << DifferencesFrom(StartPicture, ViewArea()) << " pixels differ";
    }
}

TEST_F(ChartMouse, ALeftDragReleasedOutsideTheWindowIsJudgedByTheReleaseRule) {
    // Right of and below the press, beyond the window: a zoom into a rectangle reaching past the plot.
    const Point press = InPlot(0.5, 0.4);
    const Point beyondBottomRight{Window.Client.Width + 80, Window.Client.Height + 60};
    Drag(MouseButton::Left, press, beyondBottomRight);
    ASSERT_TRUE(ChangedFrom(StartPicture)) << "no zoom"; // an unzoom would change nothing at start-up

    // Left of and above it, beyond the window: the unzoom back to the full view.
    const Point beyondTopLeft{-60, -50};
    Drag(MouseButton::Left, press, beyondTopLeft);
    EXPECT_TRUE(Shows(StartPicture)) << DifferencesFrom(StartPicture) << " pixels differ";
}

TEST_F(ChartMouse, RightPressesOnTheLogoAndTheButtonLeaveTheViewAlone) {
    for (const Rect& control : {Logo, Button}) {
        SCOPED_TRACE(testing::Message() << "from the control at " << control);
        // A pan would follow the pointer into the plot.
        Drag(MouseButton::Right, control.Centre(), InPlot(0.5, 0.5));
        EXPECT_TRUE(Keeps(StartPicture, ViewArea())) << "the view changed";
    }
}

} // namespace
} // namespace e2e
