// The start-up show command. A maximised start (SW_SHOWMAXIMIZED, 3) opens the window maximised; a
// minimised start means SW_SHOWMINNOACTIVE (7), what a shortcut set to "Minimized" passes, and shows
// only the taskbar button; every other value, SW_SHOWMINIMIZED (2) and SW_HIDE (0) included, shows the
// window normally. Wine's `start /max` passes 3 and `start /min` passes 2; for 7 and 0 the probe
// starts the program itself.
#include "ProgramTest.h"

namespace e2e {
namespace {

constexpr int DesignClientWidth = 717;
constexpr int DesignClientHeight = 449;
constexpr Point DesignPosition{239, 190}; // the outer top left corner

enum class Expected { Normal, Maximised, Minimised };

struct StartCase {
    const char* Name;
    std::vector<std::string> Through; // what starts the program with its show command
    Expected State;
};

void PrintTo(const StartCase& start, std::ostream* out) {
    *out << start.Name;
}

class StartState : public ProgramTest, public testing::WithParamInterface<StartCase> {
protected:
    // Waits until the main window exists and is visible, which a minimised one is too.
    ProbedWindow WaitForWindow() {
        const std::optional<ProbedWindow> window = WaitFor([]() -> std::optional<ProbedWindow> {
            std::optional<ProbedWindow> form = ProbeWindow(ProgramTitle, MainWindowClass);
            return form && form->Visible ? form : std::nullopt;
        });
        if (!window)
            throw std::runtime_error("the main window did not appear");
        return *window;
    }

    // The starter waits for the program: closing the window ends both with the program's exit code.
    void CloseAndExpectExitCodeZero() {
        EXPECT_EQ(PostSystemCommand(ProgramTitle, SystemCommand::Close), 1);
        EXPECT_EQ(Program->WaitForExit(), 0);
    }
};

TEST_P(StartState, OpensTheWindowAsTheShowCommandSays) {
    const StartCase& start = GetParam();
    const std::string program = (TestEnvironment::Get().ProgramDir / "winprobe.exe").string();
    std::vector<std::string> through = start.Through;
    if (!through.empty() && through.front() == "winprobe.exe")
        through.front() = program;
    StartWith("Termoclanky.exe", {.Through = through});
    ProbedWindow window = WaitForWindow();

    switch (start.State) {
    case Expected::Normal:
        window = WaitForMainWindow();
        EXPECT_FALSE(window.Iconic);
        EXPECT_FALSE(window.Zoomed);
        EXPECT_EQ(window.Client.Width, DesignClientWidth);
        EXPECT_EQ(window.Client.Height, DesignClientHeight);
        EXPECT_TRUE(window.Foreground);
        break;
    case Expected::Maximised: {
        window = WaitForMainWindow();
        EXPECT_TRUE(window.Zoomed);
        EXPECT_GT(window.Client.Width, DesignClientWidth);
        EXPECT_GT(window.Client.Height, DesignClientHeight);
        // The whole chart is drawn at the larger size: the button follows the lower right corner.
        const std::optional<ProbedChild> button = window.Child("Button", "Tisk");
        ASSERT_TRUE(button);
        EXPECT_EQ(button->Outer.Right(), window.Client.Right() - 6);
        EXPECT_EQ(button->Outer.Bottom(), window.Client.Bottom() + 3 - 11);
        break;
    }
    case Expected::Minimised:
        EXPECT_TRUE(window.Iconic);
        EXPECT_FALSE(window.Foreground) << "a minimised start does not take the focus";
        EXPECT_EQ(window.Client.Width, 0);
        break;
    }

    // Restored, each is the designed window at its place.
    if (start.State != Expected::Normal) {
        EXPECT_EQ(PostSystemCommand(ProgramTitle, SystemCommand::Restore), 1);
        const std::optional<ProbedWindow> restored = WaitFor([]() -> std::optional<ProbedWindow> {
            std::optional<ProbedWindow> form = ProbeWindow(ProgramTitle, MainWindowClass);
            return form && !form->Iconic && !form->Zoomed ? form : std::nullopt;
        });
        ASSERT_TRUE(restored);
        EXPECT_EQ(restored->Client.Width, DesignClientWidth);
        EXPECT_EQ(restored->Client.Height, DesignClientHeight);
        EXPECT_EQ(restored->Outer.TopLeft(), DesignPosition);
    }
    CloseAndExpectExitCodeZero();
}

INSTANTIATE_TEST_SUITE_P(
    ShowCommands, StartState,
    testing::Values(StartCase{"StartMax", {"start", "/wait", "/max", "/unix"}, Expected::Maximised},
                    StartCase{"StartMin", {"start", "/wait", "/min", "/unix"}, Expected::Normal},
                    StartCase{
                        "MinimisedWithoutActivation", {"winprobe.exe", "run", "7"}, Expected::Minimised},
                    StartCase{"Hidden", {"winprobe.exe", "run", "0"}, Expected::Normal}),
    [](const testing::TestParamInfo<StartCase>& info) { return std::string(info.param.Name); });

} // namespace
} // namespace e2e
