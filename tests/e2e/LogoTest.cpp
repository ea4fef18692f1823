#include "ProgramTest.h"
#include "StandInBrowser.h"
#include "Unit1Form.h"
#include "win32/Hint.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace e2e {
namespace {

using Clock = std::chrono::steady_clock;

// winebrowser hands the address on with a "/" for its empty path.
const std::string OpenedAddress = std::string(MakerWebAddress) + "/";
// How long a test waits to see that nothing was opened, once the recorder has shown that it works: a
// browser is started 0.1 to 0.3 s after the click.
constexpr auto NothingOpenedWait = 1500ms;

// Where the gestures start and end, on the screen.
struct Places {
    Point Centre; // of the logo
    Point Strip;  // in the 5-pixel strip at the logo's right edge, where the chart shows through
    Point Beside; // on the chart just right of the logo
    Point Plot;   // on the chart's plot, above the logo
    Point Button; // the print button's centre
};

class Logo : public ProgramTest {
protected:
    void SetUp() override {
        Browser.InstallRecorder();
        Start();
        Window = WaitForMainWindow();
        const std::optional<ProbedChild> logo = Window.Child("TImage");
        const std::optional<ProbedChild> button = Window.Child("Button", "Tisk");
        ASSERT_TRUE(logo && button);
        const Rect& r = logo->Outer;
        ASSERT_EQ(r.Width, 105);
        At = {.Centre = r.Centre(),
              .Strip = {r.Right() - 3, r.Centre().Y},
              .Beside = {r.Right() + 3, r.Centre().Y},
              .Plot = {r.Left + 200, r.Top - 150},
              .Button = button->Outer.Centre()};
    }

    // The site was opened once, and no second time within NothingOpenedWait.
    void ExpectOpenedOnce() {
        EXPECT_TRUE(WaitUntil([this] { return !Browser.Opened().empty(); }, 10s)) << "nothing was opened";
        WaitUntil([this] { return Browser.Opened().size() > 1; }, NothingOpenedWait);
        EXPECT_EQ(Browser.Opened(), std::vector<std::string>{OpenedAddress});
    }

    // Nothing was opened; then a click shows that the recorder and the program work.
    void ExpectNothingOpened() {
        EXPECT_FALSE(WaitUntil([this] { return !Browser.Opened().empty(); }, NothingOpenedWait))
            << "opened: " << Browser.Opened().front();
        Display.Click(MouseButton::Left, At.Centre);
        ExpectOpenedOnce();
    }

    // The chart's plot as the screen shows it (the hint shows below the logo, out of it).
    Image Plot() {
        const Image client = CaptureClient(Window);
        return client.Crop({0, 0, client.Width, client.Height * 85 / 100});
    }

    StandInBrowser Browser;
    ProbedWindow Window;
    Places At;
};

enum class Opens { Nothing, Once };
enum class ChartView { Unchanged, MayChange };

struct Gesture {
    const char* Name;
    void (*Perform)(XDisplay& display, const Places& at);
    Opens Result;
    ChartView View;
};

const Gesture Gestures[] = {
    {"Click", [](XDisplay& d, const Places& at) { d.Click(MouseButton::Left, at.Centre); }, Opens::Once,
     ChartView::Unchanged},
    {"DoubleClick",
     [](XDisplay& d, const Places& at) {
         d.Click(MouseButton::Left, at.Centre);
         d.Click(MouseButton::Left, at.Centre);
     },
     Opens::Once, ChartView::Unchanged},
    {"ClickOnTheStrip", [](XDisplay& d, const Places& at) { d.Click(MouseButton::Left, at.Strip); },
     Opens::Once, ChartView::Unchanged},
    {"PressOnTheLogoReleasedOutside",
     [](XDisplay& d, const Places& at) { d.Drag(MouseButton::Left, at.Centre, at.Plot); }, Opens::Nothing,
     ChartView::Unchanged},
    // A drag that starts on the chart is the chart's: it may zoom.
    {"PressOutsideReleasedOnTheLogo",
     [](XDisplay& d, const Places& at) { d.Drag(MouseButton::Left, at.Plot, at.Centre); }, Opens::Nothing,
     ChartView::MayChange},
    {"RightClick", [](XDisplay& d, const Places& at) { d.Click(MouseButton::Right, at.Centre); },
     Opens::Nothing, ChartView::Unchanged},
    {"RightDragOntoThePlot",
     [](XDisplay& d, const Places& at) { d.Drag(MouseButton::Right, at.Centre, at.Plot); }, Opens::Nothing,
     ChartView::Unchanged},
};

void PrintTo(const Gesture& gesture, std::ostream* out) {
    *out << gesture.Name;
}

class LogoGesture : public Logo, public testing::WithParamInterface<Gesture> {};

TEST_P(LogoGesture, OpensTheSiteOnlyForAClickAndLeavesTheChartAlone) {
    const Gesture& gesture = GetParam();
    const Image before = Plot();
    gesture.Perform(Display, At);
    if (gesture.Result == Opens::Once)
        ExpectOpenedOnce();
    else
        ExpectNothingOpened();
    if (gesture.View == ChartView::Unchanged) {
        EXPECT_TRUE(Plot().Pixels == before.Pixels) << "the chart's view changed";
    }
}

INSTANTIATE_TEST_SUITE_P(Logo, LogoGesture, testing::ValuesIn(Gestures),
                         [](const testing::TestParamInfo<Gesture>& info) { return info.param.Name; });

TEST_F(Logo, ChangesNothingAndShowsNoErrorBoxWhenThereIsNoBrowser) {
    Browser.Remove();
    const Image before = CaptureClient(Window);
    const std::size_t mapped = Display.MappedWindows().size();
    Display.Click(MouseButton::Left, At.Centre);
    EXPECT_FALSE(WaitUntil([this] { return Showing(MessageBoxClass); }, NothingOpenedWait))
        << "a box appeared";
    EXPECT_EQ(Display.MappedWindows().size(), mapped) << "a window appeared";
    const std::optional<ProbedWindow> after = ProbeWindow(ProgramTitle, MainWindowClass);
    ASSERT_TRUE(after);
    EXPECT_TRUE(after->Enabled && after->Foreground);
    EXPECT_TRUE(CaptureClient(Window).Pixels == before.Pixels) << "the window's picture changed";

    // With a browser again, the next click opens the site.
    Browser.InstallRecorder();
    Display.Click(MouseButton::Left, At.Centre);
    ExpectOpenedOnce();
}

// The pointer's shape once the program has set it for where the pointer now is: the same twice in a row.
PointerShape SettledPointer(XDisplay& display) {
    PointerShape last = display.Pointer();
    const std::optional<PointerShape> settled = WaitFor([&]() -> std::optional<PointerShape> {
        PointerShape now = display.Pointer();
        if (now == last)
            return now;
        last = std::move(now);
        return std::nullopt;
    });
    return settled.value_or(last);
}

TEST_F(Logo, ShowsThePointingHandOverItsWholeRectangle) {
    Display.MoveTo(At.Beside);
    const PointerShape chartPointer = SettledPointer(Display);
    Display.MoveTo(At.Centre);
    const std::optional<PointerShape> hand = WaitFor([this, &chartPointer]() -> std::optional<PointerShape> {
        PointerShape now = Display.Pointer();
        return now != chartPointer ? std::optional(now) : std::nullopt;
    });
    ASSERT_TRUE(hand) << "the pointer over the logo is the chart's";

    Display.MoveTo(At.Beside);
    EXPECT_TRUE(WaitUntil([this, &chartPointer] { return Display.Pointer() == chartPointer; }));
    Display.MoveTo(At.Strip);
    EXPECT_TRUE(WaitUntil([this, &hand] { return Display.Pointer() == *hand; }))
        << "not the hand on the strip";
}

// The hint on the screen: a tooltip that shows.
std::optional<ProbedTooltip> ShownHint() {
    for (ProbedTooltip& tooltip : ProbeTooltips())
        if (tooltip.Visible)
            return tooltip;
    return std::nullopt;
}

bool HintGone() {
    return !ShownHint();
}

bool HintShown() {
    return ShownHint().has_value();
}

TEST_F(Logo, IsTheOnlyControlWithAHint) {
    for (const Point place : {At.Plot, At.Button}) {
        Display.MoveTo(place);
        EXPECT_FALSE(WaitUntil(HintShown, 1500ms)) << "a hint at " << place;
    }
}

TEST_F(Logo, ShowsNoHintWhileAnotherProgramIsActive) {
    // The other program: a second Termočlánky, dragged by its caption off the first one's logo.
    WineProgram other("Termoclanky.exe");
    const auto otherWindow = [this]() -> std::optional<ProbedWindow> {
        for (ProbedWindow& window : ProbeWindows(ProgramTitle))
            if (window.Class == MainWindowClass && window.Handle != Window.Handle && window.Visible &&
                window.Foreground)
                return std::move(window);
        return std::nullopt;
    };
    const std::optional<ProbedWindow> started = WaitFor(otherWindow);
    ASSERT_TRUE(started) << "the other program did not become active";
    const Point caption{started->Outer.Left + 150, started->Outer.Top + 8};
    const Point aside{600, 0};
    Display.Drag(MouseButton::Left, caption, caption + aside);
    ASSERT_TRUE(WaitUntil([&] {
        const std::optional<ProbedWindow> moved = otherWindow();
        return moved && moved->Outer.Left == started->Outer.Left + aside.X;
    })) << "the other program's window did not move aside";

    Display.MoveTo(At.Plot);
    Display.MoveTo(At.Centre);
    EXPECT_FALSE(WaitUntil(HintShown, 1500ms)) << "a hint while the other program is active";

    // Active again after a click on its chart, the program shows the hint.
    Display.Click(MouseButton::Left, At.Plot);
    ASSERT_TRUE(WaitUntil([] {
        const std::optional<ProbedWindow> form = ProbeWindow(ProgramTitle, MainWindowClass);
        return form && form->Foreground;
    })) << "the program did not become active again";
    Display.MoveTo(At.Centre);
    EXPECT_TRUE(WaitUntil(HintShown, 3s)) << "no hint once active again";
}

// The hint's timing: shown after the pointer has rested 500 ms, for 2500 ms. Each look at the tooltips
// takes a quarter of a second, so the bounds are generous.
TEST_F(Logo, ShowsTheHintAfterARestHidesItAndShowsItAgainOnlyWhenThePointerComesBack) {
    Display.MoveTo(At.Plot);
    ASSERT_TRUE(HintGone());
    const Clock::time_point entered = Clock::now();
    Display.MoveTo(At.Centre);
    const std::optional<ProbedTooltip> hint = WaitFor(ShownHint, 3s);
    const Clock::time_point shown = Clock::now();
    ASSERT_TRUE(hint) << "no hint within 3 s";
    EXPECT_GE(shown - entered, 300ms);
    EXPECT_LE(shown - entered, 1500ms);
    EXPECT_EQ(hint->Text, win32::ShortHint(Form1Description.Image1.Hint));
    // Just below the pointer: its top left corner a pointer's height below the hot spot at most.
    EXPECT_LE(std::abs(hint->Outer.Left - At.Centre.X), 2) << hint->Outer;
    EXPECT_GT(hint->Outer.Top, At.Centre.Y) << hint->Outer;
    EXPECT_LE(hint->Outer.Top, At.Centre.Y + 32) << hint->Outer;

    EXPECT_TRUE(WaitUntil(HintGone, 5s)) << "the hint stayed";
    const Clock::time_point hidden = Clock::now();
    EXPECT_GE(hidden - shown, 2000ms);
    EXPECT_LE(hidden - shown, 4000ms);

    // Neither resting on the logo nor moving over it brings the hint back.
    EXPECT_FALSE(WaitUntil(HintShown, 1500ms)) << "back while resting";
    Display.MoveTo(At.Centre + Point{4, 2});
    EXPECT_FALSE(WaitUntil(HintShown, 1500ms)) << "back after a move on the logo";

    // Leaving the logo and coming back does.
    Display.MoveTo(At.Plot);
    Display.MoveTo(At.Centre);
    EXPECT_TRUE(WaitFor(ShownHint, 3s)) << "not back after the pointer came back";
}

struct HintRemoval {
    const char* Name;
    void (*Perform)(XDisplay& display, const Places& at);
};

const HintRemoval HintRemovals[] = {
    {"PointerLeavesTheLogo",
     [](XDisplay& d, const Places& at) {
         d.MoveTo(at.Plot);
     }},
    {"KeyPress",
     [](XDisplay& d, const Places&) {
         d.Key("Shift_L");
     }},
    {"MouseButtonPress",
     [](XDisplay& d, const Places& at) {
         d.Click(MouseButton::Right, at.Centre);
     }},
};

void PrintTo(const HintRemoval& removal, std::ostream* out) {
    *out << removal.Name;
}

class LogoHintRemoval : public Logo, public testing::WithParamInterface<HintRemoval> {};

// Well before it would hide by itself, 2.5 s after it showed.
TEST_P(LogoHintRemoval, RemovesTheHintAtOnce) {
    Display.MoveTo(At.Plot);
    Display.MoveTo(At.Centre);
    ASSERT_TRUE(WaitFor(ShownHint, 3s)) << "no hint";
    const Clock::time_point removed = Clock::now();
    GetParam().Perform(Display, At);
    EXPECT_TRUE(WaitUntil(HintGone, 3s)) << "the hint stayed";
    EXPECT_LE(Clock::now() - removed, 1000ms);
}

INSTANTIATE_TEST_SUITE_P(Logo, LogoHintRemoval, testing::ValuesIn(HintRemovals),
                         [](const testing::TestParamInfo<HintRemoval>& info) { return info.param.Name; });

} // namespace
} // namespace e2e
