#pragma once

#include "Geometry.h"
#include "Image.h"
#include "Probe.h"
#include "Wait.h"
#include "WineProgram.h"
#include "XDisplay.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

namespace e2e {

inline constexpr const char* ProgramTitle = "Termočlánky";
inline constexpr const char* MainWindowClass = "TForm";
inline constexpr const char* MessageBoxClass = "#32770";

// The base of the end-to-end tests: one program under Wine on the test run's display. On failure it
// saves a screenshot, OutputDir/<Suite>.<Test>.png, and prints its path; at the end it kills the program
// if the test left it running.
class ProgramTest : public testing::Test {
protected:
    ProgramTest();
    void TearDown() override;

    // Starts the program, or one of its test-only builds (e.g. "Termoclanky-FaultButton.exe").
    WineProgram& Start(const std::string& exe = "Termoclanky.exe",
                       const std::vector<EnvironmentVariable>& environment = {});
    // The same with a current directory, a starter, arguments or variables of its own.
    WineProgram& StartWith(const std::string& exe, const Launch& launch);

    // Waits until the program shows its main window with the title on the screen, activated with the
    // keyboard focus on one of its controls, then describes it.
    ProbedWindow WaitForMainWindow();
    // Waits until the error box (titled like the program) is on the screen, then describes it.
    ProbedWindow WaitForErrorBox();
    // The text of an error box: its only Static control with text ("" for an empty box).
    static std::string ErrorBoxMessage(const ProbedWindow& box);
    // Whether a window of the class is on the screen now.
    bool Showing(const std::string& className);

    // The pixels of a window's client area, its top left corner at (0, 0).
    Image CaptureClient(const ProbedWindow& window);

    XDisplay Display;
    std::unique_ptr<WineProgram> Program;
};

} // namespace e2e
