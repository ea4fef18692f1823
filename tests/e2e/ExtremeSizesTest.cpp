// The program at the edges of its sizes and views, on a 3840 x 2160 display with the PDF printer. It runs
// as Termoclanky-ResourceReport.exe, so that after every step the test asks whether it still answers.
#include "CurveColours.h"
#include "PrintCommand.h"
#include "ProgramTest.h"
#include "ProgramWindow.h"
#include "ResourceReport.h"

#include <algorithm>
#include <array>
#include <sstream>

namespace e2e {
namespace {

const std::filesystem::path PrintedDir = TERMO_E2E_PRINTED_DIR;
constexpr int DesignClientWidth = 717;
constexpr int DesignClientHeight = 449;
constexpr Rgb White{255, 255, 255};

int CountDifferences(const Image& a, const Image& b) {
    if (a.Width != b.Width || a.Height != b.Height)
        return std::max(a.Pixels.size(), b.Pixels.size());
    int differences = 0;
    for (std::size_t i = 0; i < a.Pixels.size(); ++i)
        differences += a.Pixels[i] != b.Pixels[i];
    return differences;
}

class Extremes : public ProgramTest {
protected:
    void SetUp() override {
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        Report.emplace(TestEnvironment::Get().OutputDir / (std::string("Extremes.") + test->name()));
        StartWith("Termoclanky-ResourceReport.exe", Report->ForProgram());
        WaitForMainWindow();
        Window.emplace(Display, *Report);
        Window->Locate();
        Print.emplace(Display, *Window, PrintedDir);
        ParkPointer();
        Reference = SettledClient();
    }

    // Alive, answering and without an error box.
    ResourceSnapshot ExpectAnswering(const std::string& after) {
        const std::optional<ResourceSnapshot> snapshot = Report->Take();
        EXPECT_TRUE(snapshot) << "no answer after " << after;
        EXPECT_TRUE(Program->Running()) << "ended after " << after;
        if (!snapshot)
            throw std::runtime_error("the program does not answer");
        EXPECT_EQ(snapshot->Dialogs, 0) << "a box is open after " << after;
        return *snapshot;
    }

    // Off the window, so that neither a hover nor a hint changes the picture.
    void ParkPointer() {
        const Rect outer = Window->Outer();
        Display.MoveTo({outer.Right() + 40, outer.Bottom() + 40});
    }

    // The client area once two captures in a row agree.
    Image SettledClient() {
        Image previous = Display.Capture(Window->Client());
        Image current;
        WaitUntil([&] {
            current = Display.Capture(Window->Client());
            return std::exchange(previous, current).Pixels == current.Pixels;
        });
        return current;
    }

    void ExpectLooksAsAtStart(const std::string& after) {
        ParkPointer();
        int differences = 0;
        const bool same = WaitUntil([&] {
            differences = CountDifferences(Display.Capture(Window->Client()), Reference);
            return differences == 0;
        });
        EXPECT_TRUE(same) << differences << " pixels differ from the start after " << after;
    }

    // A left drag the other way returns to the view before the first zoom or pan.
    void Unzoom() {
        Display.Drag(MouseButton::Left, Window->InChart(0.6, 0.6), Window->InChart(0.4, 0.4), 4);
        ExpectAnswering("an unzoom");
    }

    // Zoom, reverse and tiny drags, pans and wheel notches at places spread over the visible chart (off
    // the button and the logo, which take their own presses), each drag long enough to zoom at the
    // design size, so that on a small chart it runs far outside it.
    void TryEveryGesture(const std::string& where) {
        const std::array<std::array<double, 2>, 5> places{
            {{0.5, 0.4}, {0.1, 0.1}, {0.9, 0.7}, {0.02, 0.5}, {0.5, 0.97}}};
        for (const auto& [fx, fy] : places) {
            // The chart reaches under the frame by a few pixels: a press there would drag the frame.
            const Point p = Window->InChart(fx, fy);
            if (!Window->Client().Contains(p) || Window->Button().Contains(p) || Window->Logo().Contains(p))
                continue;
            std::ostringstream at;
            at << where << " at " << p;
            Display.Drag(MouseButton::Left, p, p + Point{40, 30}, 3);
            ExpectAnswering("a zoom drag " + at.str());
            Display.Drag(MouseButton::Right, p, p + Point{-30, 20}, 3);
            ExpectAnswering("a pan " + at.str());
            Display.Wheel(p, 2);
            Display.Wheel(p, -2);
            ExpectAnswering("wheel notches " + at.str());
            Display.Drag(MouseButton::Left, p, p + Point{-40, -30}, 3);
            Display.Drag(MouseButton::Left, p, p + Point{5, 5}, 2);
            ExpectAnswering("a reverse and a tiny drag " + at.str());
        }
    }

    std::optional<ResourceReport> Report;
    std::optional<ProgramWindow> Window;
    std::optional<PrintCommand> Print;
    Image Reference; // the client area at the design size in the full view
};

TEST_F(Extremes, ShrunkToEverySizeTheSystemAllowsItStaysUsableAndPrintsAndLooksAsBeforeWhenEnlarged) {
    // From the smallest frame the system keeps (client 104 x 0 under Wine) to plots shorter than a
    // pixel, without labels or with few.
    struct ClientSize {
        int Width, Height;
    };
    const ClientSize sizes[] = {
        {0, 0},    {104, 1}, {104, 60}, {104, DesignClientHeight}, {400, 12}, {DesignClientWidth, 75},
        {1500, 30}};
    const ResourceSnapshot start = ExpectAnswering("the start");
    for (const auto& [width, height] : sizes) {
        const ResourceSnapshot resized = Window->ResizeClient(width, height);
        std::ostringstream size;
        size << "a client area of " << resized.ClientWidth << " x " << resized.ClientHeight;
        EXPECT_LE(resized.ClientWidth, std::max(width, 104)) << size.str();
        EXPECT_LE(resized.ClientHeight, std::max(height, 0)) << size.str();
        TryEveryGesture(size.str());
        Print->OpenDialog();
        const PrintedPdf page = Print->Confirm();
        EXPECT_EQ(page.Info("Pages"), "1") << size.str();
        EXPECT_EQ(page.Info("Page rot"), "90") << "not landscape: " << size.str();
        ExpectAnswering("printing at " + size.str());
    }

    // Minimised the client area is 0 x 0; the wheel over its caption reaches nothing of the chart.
    const ResourceSnapshot minimised = Window->Minimise();
    EXPECT_EQ(minimised.ClientWidth, 0);
    EXPECT_EQ(minimised.ClientHeight, 0);
    Display.Wheel(Window->Client().TopLeft() + Point{20, -10}, 3);
    ExpectAnswering("wheel notches over the minimised window");
    Window->Restore();

    const ResourceSnapshot back = Window->ResizeClient(DesignClientWidth, DesignClientHeight);
    ASSERT_EQ(back.ClientWidth, DesignClientWidth);
    ASSERT_EQ(back.ClientHeight, DesignClientHeight);
    Unzoom();
    ExpectLooksAsAtStart("shrinking, minimising and enlarging again");
    const ResourceSnapshot end = ExpectAnswering("the end");
    EXPECT_EQ(end.Windows, start.Windows);
}

TEST_F(Extremes, MaximisedOnA4kScreenLaysOutTheWholeChart) {
    const ResourceSnapshot maximised = Window->Maximise();
    const Rect screen{0, 0, 3840, 2160};
    const Rect client = Window->Client();
    EXPECT_EQ(client.Width, screen.Width);
    EXPECT_GT(client.Height, screen.Height - 40) << "no more than a caption above the client area";
    EXPECT_EQ(maximised.Windows, ExpectAnswering("the start").Windows);

    const Image picture = SettledClient();
    // In the client's coordinates.
    const Rect chart = Window->Chart().Offset({-client.Left, -client.Top});
    const Rect button = Window->Button().Offset({-client.Left, -client.Top});
    const Rect logo = Window->Logo().Offset({-client.Left, -client.Top});
    // The plot fills the chart but for its margins, axis bands and the legend and foot below it.
    const Rect plot{chart.Left + chart.Width * 10 / 100, chart.Top + chart.Height * 8 / 100,
                    chart.Width * 85 / 100, chart.Height * 75 / 100};
    // Each curve, 3 px wide, crosses a good part of the plot: hundreds of 2 x 2 blocks even where it
    // climbs steeply; C, the navy one, ends at the plot's right edge.
    for (const CurveColour& curve : CurveColours)
        EXPECT_GE(picture.CountBlocks(curve.Colour, plot), 1000) << "curve " << curve.Type;
    const Rect rightEdge{plot.Right() - plot.Width / 20, plot.Top, plot.Width / 20, plot.Height};
    EXPECT_GT(picture.CountBlocks(CurveColours[8].Colour, rightEdge), 10)
        << "C does not reach the right edge";

    // Painted everywhere: white but for the lines and texts, nothing left over from the smaller window.
    int white = 0;
    for (const Rgb& pixel : picture.Pixels)
        white += pixel == White;
    EXPECT_GT(white, static_cast<int>(picture.Pixels.size()) * 80 / 100);
    const Image logoPicture = ReadBmp4(TestEnvironment::Get().SourceDir / "res/Logo.bmp");
    int logoMismatches = 0;
    for (int y = 0; y < logo.Height; ++y)
        for (int x = 1; x < logoPicture.Width; ++x)
            logoMismatches += picture.At(logo.Left + x, logo.Top + y) != logoPicture.At(x, y);
    EXPECT_EQ(logoMismatches, 0) << "the logo in the lower left corner, at " << logo;
    int buttonFrame = 0;
    for (int x = button.Left; x < button.Right(); ++x)
        buttonFrame += picture.At(x, button.Top) != White && picture.At(x, button.Bottom() - 1) != White;
    EXPECT_GT(buttonFrame, button.Width * 3 / 4) << "the button in the lower right corner, at " << button;

    Window->Restore();
    EXPECT_EQ(Window->Client().Width, DesignClientWidth);
    ExpectLooksAsAtStart("maximising and restoring");
}

// The system takes the mouse away from a zoom drag when the window is minimised with the button held
// (here as from the taskbar): the drag ends without a change, and the window comes back without its
// outline and with the view it had; the release that follows changes nothing either.
TEST_F(Extremes, MinimisedInTheMiddleOfAZoomDragItComesBackAsBefore) {
    const Point from = Window->InChart(0.3, 0.3);
    Display.MoveTo(from);
    Display.Press(MouseButton::Left);
    Display.MoveTo(from + Point{60, 40});
    Display.MoveTo(from + Point{120, 80});
    ExpectAnswering("the start of a zoom drag");
    Window->Minimise();
    Display.MoveTo(from + Point{200, 150});
    Display.Release(MouseButton::Left);
    ExpectAnswering("the release while minimised");
    Window->Restore();
    ExpectLooksAsAtStart("a zoom drag cut short by minimising");
}

// Each round zooms out by a drag released far outside the window, then zooms into the far corner of
// the wider view: the view moves some six times its new width further from the curves per round, so
// four rounds put it thousands of widths away. Then zooming in reaches the narrowest range, 1e-10,
// where the values are large. The labels there are checked without Wine (chart tests); here the
// program must answer after every step and look as at the start after the unzoom.
TEST_F(Extremes, ThousandsOfWidthsAwayAndAtTheNarrowestRangeItStaysResponsive) {
    for (int round = 0; round < 4; ++round) {
        Display.Drag(MouseButton::Left, Window->InChart(0.2, 0.15), {3800, 2120}, 4);
        ExpectAnswering("a zoom out");
        const Point farCorner = Window->InChart(0.9, 0.7);
        Display.Drag(MouseButton::Left, farCorner + Point{-20, -20}, farCorner, 3);
        ExpectAnswering("a zoom into the far corner");
        Display.Drag(MouseButton::Right, Window->InChart(0.7, 0.5), Window->InChart(0.3, 0.3), 3);
        Display.Wheel(Window->InChart(0.5, 0.4), 3);
        ExpectAnswering("a pan and wheel notches far away");
    }
    ParkPointer();
    // Above the legend, whose colour lines stay.
    const Image farAway = SettledClient();
    const Rect plotArea{0, 0, farAway.Width, farAway.Height * 85 / 100};
    for (const CurveColour& curve : CurveColours)
        EXPECT_EQ(farAway.CountBlocks(curve.Colour, plotArea), 0)
            << "curve " << curve.Type << " is still in view";
    for (int zoom = 0; zoom < 16; ++zoom) {
        const Point from = Window->InChart(0.4, 0.3);
        Display.Drag(MouseButton::Left, from, from + Point{20, 20}, 3);
        ExpectAnswering("a zoom towards the narrowest range");
    }
    Display.Drag(MouseButton::Right, Window->InChart(0.3, 0.4), Window->InChart(0.7, 0.6), 3);
    Display.Wheel(Window->InChart(0.5, 0.4), -3);
    ExpectAnswering("a pan and wheel notches at the narrowest range");
    Unzoom();
    ExpectLooksAsAtStart("the far and deep zooms");
}

} // namespace
} // namespace e2e
