#pragma once

#include "PrintedPdf.h"
#include "ProgramWindow.h"
#include "XDisplay.h"

#include <filesystem>

namespace e2e {

// "Tisk" on the PDF printer, as a person gives it: the print dialog opened, then cancelled with Escape
// or confirmed with Enter (it has the keyboard focus), and the job read back from the PDF printer's
// directory. The program's answers tell when the dialog is open and closed again.
class PrintCommand {
public:
    PrintCommand(XDisplay& display, ProgramWindow& window, std::filesystem::path printedDir)
        : m_display(display), m_window(window), m_printedJob(std::move(printedDir) / "Chart2.pdf") {}

    // Clicks the button where it can be seen; where the window is too small for that, presses Space,
    // since the button holds the keyboard focus.
    void OpenDialog();
    void Cancel();
    // Confirms the dialog and waits until the spooler has written the job.
    PrintedPdf Confirm();

private:
    void CloseDialogWith(const char* key);

    XDisplay& m_display;
    ProgramWindow& m_window;
    std::filesystem::path m_printedJob;
};

} // namespace e2e
