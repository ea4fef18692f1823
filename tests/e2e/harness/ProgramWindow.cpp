#include "ProgramWindow.h"

#include "ProgramTest.h"

#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace e2e {
namespace {

// The chart's place relative to the client area, and the controls' on the chart at the design size
// (726 x 455): the button keeps its distance to the chart's right and bottom, the logo to its bottom.
constexpr Rect ChartInClient{-9, -3, 9, 6}; // Width and Height: how much larger than the client area
constexpr Rect ButtonOnChart{645, 419, 75, 25};
constexpr Rect LogoOnChart{8, 410, 105, 41};
constexpr int DesignChartWidth = 726;
constexpr int DesignChartHeight = 455;

} // namespace

void ProgramWindow::Locate() {
    const std::optional<ProbedWindow> window = ProbeWindow(ProgramTitle, MainWindowClass);
    if (!window)
        throw std::runtime_error("the main window is gone");
    m_client = window->Client;
    m_state = window->Iconic ? "minimized" : window->Zoomed ? "maximized" : "normal";
    if (m_state == "normal")
        m_frameInsets = {m_client.Left - window->Outer.Left, m_client.Top - window->Outer.Top,
                         window->Outer.Right() - m_client.Right(),
                         window->Outer.Bottom() - m_client.Bottom()};
}

Rect ProgramWindow::Outer() const {
    return {m_client.Left - m_frameInsets.Left, m_client.Top - m_frameInsets.Top,
            m_client.Width + m_frameInsets.Left + m_frameInsets.Width,
            m_client.Height + m_frameInsets.Top + m_frameInsets.Height};
}

Rect ProgramWindow::Chart() const {
    return {m_client.Left + ChartInClient.Left, m_client.Top + ChartInClient.Top,
            m_client.Width + ChartInClient.Width, m_client.Height + ChartInClient.Height};
}

Rect ProgramWindow::Button() const {
    const Rect chart = Chart();
    return ButtonOnChart.Offset(
        {chart.Left + chart.Width - DesignChartWidth, chart.Top + chart.Height - DesignChartHeight});
}

Rect ProgramWindow::Logo() const {
    const Rect chart = Chart();
    return LogoOnChart.Offset({chart.Left, chart.Top + chart.Height - DesignChartHeight});
}

Point ProgramWindow::InChart(double x, double y) const {
    const Rect chart = Chart();
    return {chart.Left + static_cast<int>(chart.Width * x), chart.Top + static_cast<int>(chart.Height * y)};
}

std::optional<ResourceSnapshot> ProgramWindow::TrySnapshot() {
    const std::optional<ResourceSnapshot> snapshot = m_report.Take();
    if (snapshot) {
        if (snapshot->State != m_state && !snapshot->InSystemLoop)
            Locate();
        Adopt(*snapshot);
    }
    return snapshot;
}

ResourceSnapshot ProgramWindow::Snapshot() {
    const std::optional<ResourceSnapshot> snapshot = TrySnapshot();
    if (!snapshot)
        throw std::runtime_error("the program did not answer within the timeout: it hangs or has ended");
    return *snapshot;
}

void ProgramWindow::Adopt(const ResourceSnapshot& snapshot) {
    m_client.Width = snapshot.ClientWidth;
    m_client.Height = snapshot.ClientHeight;
}

ResourceSnapshot ProgramWindow::DragCornerTo(Point corner) {
    if (m_state != "normal")
        throw std::logic_error("only a normal window has a frame to drag");
    const Rect outer = Outer();
    // Inside the frame's corner, which is 4 px wide.
    const Point grip{outer.Right() - 2, outer.Bottom() - 2};
    // A press on the frame soon after the last one in the same place is a double click, which starts
    // no sizing: the person waits, as with a window kept at its smallest size.
    if (std::abs(grip.X - m_lastGrip.X) <= DoubleClickDistance &&
        std::abs(grip.Y - m_lastGrip.Y) <= DoubleClickDistance)
        std::this_thread::sleep_until(m_lastGripPress + DoubleClickTime);
    m_lastGripPress = std::chrono::steady_clock::now();
    m_lastGrip = grip;
    m_display.Drag(MouseButton::Left, grip, corner, 4);
    // The system's sizing loop serves requests too: the size is final once it has ended.
    ResourceSnapshot snapshot;
    if (!WaitUntil([&] { return !(snapshot = Snapshot()).InSystemLoop; }))
        throw std::runtime_error("the frame drag did not end");
    Adopt(snapshot);
    return snapshot;
}

ResourceSnapshot ProgramWindow::ResizeClient(int width, int height) {
    const Rect outer = Outer();
    return DragCornerTo({outer.Left + m_frameInsets.Left + width + m_frameInsets.Width - 2,
                         outer.Top + m_frameInsets.Top + height + m_frameInsets.Height - 2});
}

ResourceSnapshot ProgramWindow::ChangeState(SystemCommand command, const std::string& state) {
    // Now and then, after hundreds of commands, the probe reports reaching no window although the window
    // is there and answers (not understood yet); the command changes nothing twice, so it is sent again.
    if (!WaitUntil([command] { return PostSystemCommand(ProgramTitle, command) > 0; }))
        throw std::runtime_error("no window took the system command");
    // Each snapshot of a new state locates the window anew.
    ResourceSnapshot snapshot;
    if (!WaitUntil([&] { return (snapshot = Snapshot()).State == state; }))
        throw std::runtime_error("the window did not become " + state);
    return snapshot;
}

ResourceSnapshot ProgramWindow::Minimise() {
    if (m_state != "minimized")
        m_stateBeforeMinimised = m_state;
    return ChangeState(SystemCommand::Minimize, "minimized");
}
ResourceSnapshot ProgramWindow::Maximise() {
    return ChangeState(SystemCommand::Maximize, "maximized");
}
// A minimised window returns to the state it had before, a maximised one to normal.
ResourceSnapshot ProgramWindow::Restore() {
    return ChangeState(SystemCommand::Restore, m_state == "minimized" ? m_stateBeforeMinimised : "normal");
}

} // namespace e2e
