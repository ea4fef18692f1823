#include "ProgramTest.h"

#include <algorithm>
#include <iostream>

namespace e2e {

ProgramTest::ProgramTest() : Display(TestEnvironment::Get().Display) {}

WineProgram& ProgramTest::Start(const std::string& exe, const std::vector<EnvironmentVariable>& environment) {
    return StartWith(exe, {.Environment = environment});
}

WineProgram& ProgramTest::StartWith(const std::string& exe, const Launch& launch) {
    Program = std::make_unique<WineProgram>(exe, launch);
    return *Program;
}

void ProgramTest::TearDown() {
    if (HasFailure()) {
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        const auto shot = TestEnvironment::Get().OutputDir /
                          (std::string(test->test_suite_name()) + "." + test->name() + ".png");
        if (WritePng(Display.CaptureScreen(), shot))
            std::cout << "Screenshot of the failure: " << shot.string() << std::endl;
    }
    if (Program)
        Program->Kill();
    // A killed program's windows leave the display a moment later; the next test must not see them.
    WaitUntil([this] { return Display.FindWindows(ProgramTitle).empty(); }, 10s);
}

bool ProgramTest::Showing(const std::string& className) {
    const std::optional<ProbedWindow> window = ProbeWindow(ProgramTitle, className);
    return window && window->Visible && !Display.FindWindows(ProgramTitle).empty();
}

ProbedWindow ProgramTest::WaitForMainWindow() {
    std::optional<ProbedWindow> window = WaitFor([this]() -> std::optional<ProbedWindow> {
        std::optional<ProbedWindow> form = ProbeWindow(ProgramTitle, MainWindowClass);
        if (!form || !form->Visible)
            return std::nullopt;
        // Ready for input once activation has handed the keyboard focus to one of its controls.
        const auto focused = [&](const ProbedChild& child) {
            return child.Handle == form->Focus;
        };
        if (!form->Foreground || std::ranges::none_of(form->Children, focused))
            return std::nullopt;
        for (const XDisplay::TopLevel& shown : Display.FindWindows(ProgramTitle))
            if (shown.Id == form->X11Id)
                return form;
        return std::nullopt;
    });
    if (!window)
        throw std::runtime_error("the main window did not appear");
    return *window;
}

ProbedWindow ProgramTest::WaitForErrorBox() {
    std::optional<ProbedWindow> box = WaitFor([this]() -> std::optional<ProbedWindow> {
        std::optional<ProbedWindow> found = ProbeWindow(ProgramTitle, MessageBoxClass);
        if (!found || !found->Visible || !found->Child("Button", "OK"))
            return std::nullopt;
        for (const XDisplay::TopLevel& shown : Display.FindWindows(ProgramTitle))
            if (shown.Id == found->X11Id)
                return found;
        return std::nullopt;
    });
    if (!box)
        throw std::runtime_error("the error box did not appear");
    return *box;
}

std::string ProgramTest::ErrorBoxMessage(const ProbedWindow& box) {
    for (const ProbedChild& child : box.Children)
        if (child.Class == "Static" && !child.Text.empty())
            return child.Text;
    return "";
}

Image ProgramTest::CaptureClient(const ProbedWindow& window) {
    return Display.Capture(window.Client);
}

} // namespace e2e
