#include "PrintCommand.h"

#include "Wait.h"

#include <stdexcept>

namespace e2e {

void PrintCommand::OpenDialog() {
    const Rect button = m_window.Button();
    const Rect client = m_window.Client();
    if (client.Contains(button))
        m_display.Click(MouseButton::Left, button.Centre());
    else
        m_display.Key("space");
    if (!WaitUntil([this] { return m_window.Snapshot().Dialogs == 1; }))
        throw std::runtime_error("no print dialog");
}

void PrintCommand::CloseDialogWith(const char* key) {
    m_display.Key(key);
    if (!WaitUntil([this] { return m_window.Snapshot().Dialogs == 0; }))
        throw std::runtime_error("the print dialog stayed open");
}

void PrintCommand::Cancel() {
    CloseDialogWith("Escape");
}

PrintedPdf PrintCommand::Confirm() {
    std::filesystem::remove(m_printedJob);
    CloseDialogWith("Return");
    // cups-pdf writes the file before Ghostscript has finished it: the queue must be empty as well.
    if (!WaitUntil(
            [this] { return std::filesystem::exists(m_printedJob) && CommandOutput("lpstat -o").empty(); },
            std::chrono::seconds(60)))
        throw std::runtime_error("nothing printed to " + m_printedJob.string());
    return PrintedPdf(m_printedJob);
}

} // namespace e2e
