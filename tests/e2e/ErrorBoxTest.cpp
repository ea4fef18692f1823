#include "ProgramTest.h"

namespace e2e {
namespace {

class ErrorBox : public ProgramTest {
protected:
    void Answer() {
        Display.Key("Return"); // the box has the keyboard focus
        EXPECT_TRUE(WaitUntil([this] { return !Showing(MessageBoxClass); })) << "the error box stayed";
    }
};

TEST_F(ErrorBox, ShowsAConstructionFailureThenEndsWithoutEverShowingTheWindow) {
    Start("Termoclanky-FaultConstruction.exe");
    const ProbedWindow box = WaitForErrorBox();
    EXPECT_EQ(box.Text, "Termočlánky");
    EXPECT_EQ(ErrorBoxMessage(box), "Chyba při vytváření okna."); // the period rule appended the "."
    EXPECT_FALSE(ProbeWindow(ProgramTitle, MainWindowClass)) << "the failed window still exists";

    Display.Key("Return");
    EXPECT_EQ(Program->WaitForExit(), 0);
    // No window as large as the main window's client area was ever mapped: only the box was.
    for (const XDisplay::TopLevel& mapped : Display.MappedWindows())
        EXPECT_FALSE(mapped.Bounds.Width >= 717 && mapped.Bounds.Height >= 449)
            << "mapped: " << mapped.Bounds;
}

TEST_F(ErrorBox, ShowsAnEmptyBoxForAFailureThatIsNoException) {
    Start("Termoclanky-FaultStartup.exe");
    const ProbedWindow box = WaitForErrorBox();
    EXPECT_EQ(box.Text, "Termočlánky");
    EXPECT_EQ(ErrorBoxMessage(box), "");
    Display.Key("Return");
    EXPECT_EQ(Program->WaitForExit(), 0);
}

TEST_F(ErrorBox, ShowsAButtonFailureAndTheWindowGoesOn) {
    Start("Termoclanky-FaultButton.exe");
    const ProbedWindow window = WaitForMainWindow();
    const std::optional<ProbedChild> button = window.Child("Button", "Tisk");
    ASSERT_TRUE(button);

    Display.Click(MouseButton::Left, button->Outer.Centre());
    const ProbedWindow box = WaitForErrorBox();
    EXPECT_EQ(ErrorBoxMessage(box), "Tiskárna neodpovídá!"); // no period after "!"
    const std::optional<ProbedWindow> whileOpen = ProbeWindow(ProgramTitle, MainWindowClass);
    ASSERT_TRUE(whileOpen);
    EXPECT_FALSE(whileOpen->Enabled) << "the main window takes input while the box is open";
    Answer();

    const std::optional<ProbedWindow> after = ProbeWindow(ProgramTitle, MainWindowClass);
    ASSERT_TRUE(after);
    EXPECT_TRUE(after->Enabled);
    EXPECT_TRUE(after->Foreground);
    EXPECT_EQ(after->Focus, button->Handle);

    // It reacts to the keyboard and the mouse as before: each click fails again.
    Display.Key("space");
    EXPECT_EQ(ErrorBoxMessage(WaitForErrorBox()), "Tiskárna neodpovídá!");
    Answer();
    Display.Click(MouseButton::Left, button->Outer.Centre());
    EXPECT_EQ(ErrorBoxMessage(WaitForErrorBox()), "Tiskárna neodpovídá!");
    Answer();

    Display.Key("F4", Modifier::Alt);
    EXPECT_EQ(Program->WaitForExit(), 0);
}

// The button of the FaultButton build shows the box on every click, which makes its clicks visible.
class PrintButton : public ErrorBox {};

TEST_F(PrintButton, ClicksOnEnterWithoutShiftCtrlOrAlt) {
    Start("Termoclanky-FaultButton.exe");
    WaitForMainWindow();
    for (const Modifier modifier : {Modifier::Shift, Modifier::Control}) {
        Display.Key("Return", modifier);
        EXPECT_FALSE(WaitUntil([this] { return Showing(MessageBoxClass); }, 1s)) << "clicked with a modifier";
    }
    Display.Key("Return");
    WaitForErrorBox();
    Answer();
}

} // namespace
} // namespace e2e
