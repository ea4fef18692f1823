#include "CurveColours.h"
#include "ProgramTest.h"

#include <algorithm>
#include <array>

namespace e2e {
namespace {

// In the form's client coordinates at the design size. Chart2 lies at (-9, -3), so Button1, at (645, 419)
// on the chart, lies at (636, 416) and Image1, at (8, 410) on the chart, at (-1, 407).
constexpr Rect ChartAtDesignSize{-9, -3, 726, 455};
constexpr Rect ButtonAtDesignSize{636, 416, 75, 25};
constexpr Rect LogoAtDesignSize{-1, 407, 105, 41};
constexpr int DesignClientWidth = 717;
constexpr int DesignClientHeight = 449;

// A curve 3 pixels wide leaves hundreds of 2 x 2 blocks; a legend's colour line leaves a few dozen.
constexpr int CurveBlocks = 100;

Rect InClient(const ProbedWindow& window, const Rect& screen) {
    return screen.Offset({-window.Client.Left, -window.Client.Top});
}

class MainWindow : public ProgramTest {
protected:
    void SetUp() override {
        Start();
        Window = WaitForMainWindow();
    }

    // Where the controls lie once the client area has grown by `growth` (both zero at the design size).
    void ExpectControlsAnchored(const ProbedWindow& window, Point growth) {
        const std::optional<ProbedChild> chart = window.Child("TChart");
        const std::optional<ProbedChild> button = window.Child("Button", "Tisk");
        const std::optional<ProbedChild> logo = window.Child("TImage");
        ASSERT_TRUE(chart && button && logo);
        EXPECT_EQ(InClient(window, chart->Outer),
                  (Rect{-9, -3, ChartAtDesignSize.Width + growth.X, ChartAtDesignSize.Height + growth.Y}));
        EXPECT_EQ(InClient(window, button->Outer), ButtonAtDesignSize.Offset(growth));
        EXPECT_EQ(InClient(window, logo->Outer), LogoAtDesignSize.Offset({0, growth.Y}));
        ExpectLogoPicture(window, InClient(window, logo->Outer));
        ExpectButtonDrawn(window, InClient(window, button->Outer));
    }

    // The picture at its own size from the logo's top left corner; its column 0 lies left of the client
    // area, its lowest 3 rows below the control.
    void ExpectLogoPicture(const ProbedWindow& window, const Rect& logo) {
        const Image picture = ReadBmp4(TestEnvironment::Get().SourceDir / "res/Logo.bmp");
        int mismatches = 0;
        const bool drawn = WaitUntil([&] {
            const Image client = CaptureClient(window);
            mismatches = 0;
            for (int y = 0; y < logo.Height; ++y)
                for (int x = 1; x < picture.Width; ++x)
                    mismatches += client.At(logo.Left + x, logo.Top + y) != picture.At(x, y);
            return mismatches == 0;
        });
        EXPECT_TRUE(drawn) << mismatches << " pixels of the logo differ from res/Logo.bmp at " << logo;
    }

    // A framed button with its dark caption, where the chart around it is white.
    void ExpectButtonDrawn(const ProbedWindow& window, const Rect& button) {
        const Image client = CaptureClient(window);
        const Rgb white{255, 255, 255};
        int edge = 0, framed = 0, dark = 0;
        for (int y = button.Top; y < button.Bottom(); ++y)
            for (int x = button.Left; x < button.Right(); ++x) {
                const Rgb p = client.At(x, y);
                if (x == button.Left || x == button.Right() - 1 || y == button.Top ||
                    y == button.Bottom() - 1) {
                    ++edge;
                    framed += p != white;
                }
                dark += p.R < 64 && p.G < 64 && p.B < 64;
            }
        EXPECT_GT(framed, edge * 3 / 4) << "no button frame at " << button;
        EXPECT_GT(dark, 10) << "no caption on the button at " << button;
    }

    ProbedWindow Window;
};

TEST_F(MainWindow, OpensTitledWithTheDesignedClientAreaAndTheButtonFocused) {
    EXPECT_EQ(Window.Text, "Termočlánky");
    EXPECT_EQ(Window.Client.Width, DesignClientWidth);
    EXPECT_EQ(Window.Client.Height, DesignClientHeight);
    EXPECT_FALSE(Window.Iconic);
    EXPECT_FALSE(Window.Zoomed);
    EXPECT_TRUE(Window.Foreground);
    const std::optional<ProbedChild> button = Window.Child("Button", "Tisk");
    ASSERT_TRUE(button);
    EXPECT_EQ(Window.Focus, button->Handle);

    // On the screen: the X window titled "Termočlánky" holds the client area.
    bool shown = false;
    for (const XDisplay::TopLevel& window : Display.FindWindows(ProgramTitle))
        shown = shown || (window.Id == Window.X11Id && window.Bounds.Contains(Window.Client));
    EXPECT_TRUE(shown);
}

TEST_F(MainWindow, DrawsTheNineCurvesInTheirColours) {
    // The plot lies above the legend, the foot line, the button and the logo.
    const Rect plotArea{0, 0, Window.Client.Width, Window.Client.Height * 85 / 100};
    std::array<int, CurveColours.size()> blocks{};
    WaitUntil([&] {
        const Image client = CaptureClient(Window);
        for (std::size_t i = 0; i < CurveColours.size(); ++i)
            blocks[i] = client.CountBlocks(CurveColours[i].Colour, plotArea);
        return std::ranges::all_of(blocks, [](int count) { return count >= CurveBlocks; });
    });
    for (std::size_t i = 0; i < CurveColours.size(); ++i)
        EXPECT_GE(blocks[i], CurveBlocks)
            << "curve " << CurveColours[i].Type << " in " << CurveColours[i].Colour;
}

TEST_F(MainWindow, KeepsTheButtonAndTheLogoAnchoredWhenResized) {
    ExpectControlsAnchored(Window, {0, 0});

    // Drag the frame's lower right corner, as a person would.
    const Point growth{100, 60};
    const Point corner{Window.Outer.Right() - 2, Window.Outer.Bottom() - 2};
    Display.Drag(MouseButton::Left, corner, corner + growth);
    const std::optional<ProbedWindow> resized = WaitFor([&]() -> std::optional<ProbedWindow> {
        std::optional<ProbedWindow> window = ProbeWindow(ProgramTitle, MainWindowClass);
        if (window && window->Client.Width == DesignClientWidth + growth.X &&
            window->Client.Height == DesignClientHeight + growth.Y)
            return window;
        return std::nullopt;
    });
    ASSERT_TRUE(resized) << "the window did not take the new size";
    ExpectControlsAnchored(*resized, growth);
}

TEST_F(MainWindow, ClosingEndsTheProgramWithExitCodeZero) {
    Display.Key("F4", Modifier::Alt);
    EXPECT_EQ(Program->WaitForExit(), 0);
    EXPECT_TRUE(Display.FindWindows(ProgramTitle).empty());
}

} // namespace
} // namespace e2e
