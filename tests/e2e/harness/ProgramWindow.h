#pragma once

#include "Geometry.h"
#include "Probe.h"
#include "ResourceReport.h"
#include "XDisplay.h"

#include <chrono>
#include <string>

namespace e2e {

// The main window of Termoclanky-ResourceReport.exe as a person drives it: its frame dragged by the
// lower right corner, and minimised, maximised and restored as the taskbar would (this display has
// none). It knows where the client area, the chart, the button and the logo lie: probed after a
// change of state, and worked out from the client size after a resize, since the chart and the
// controls keep their anchors. Every change waits until the program reports the new state.
class ProgramWindow {
public:
    ProgramWindow(XDisplay& display, ResourceReport& report) : m_display(display), m_report(report) {}

    // Probes the window's place; after start-up and after a change of state.
    void Locate();

    const std::string& State() const { return m_state; }
    // Screen coordinates. The chart reaches 9 px left of the client area and 3 px above and below it.
    Rect Client() const { return m_client; }
    Rect Outer() const;
    Rect Chart() const;
    Rect Button() const;
    Rect Logo() const;
    // A point of the chart, given as fractions of its width and height.
    Point InChart(double x, double y) const;

    // Drags the lower right corner of the frame to the point (the system keeps the window's smallest
    // size) and waits for the program to take the new size.
    ResourceSnapshot DragCornerTo(Point corner);
    // The same, aiming at a client area of this size.
    ResourceSnapshot ResizeClient(int width, int height);
    ResourceSnapshot Minimise();
    ResourceSnapshot Maximise();
    // From minimised back to the state before, from maximised to normal.
    ResourceSnapshot Restore();

    // A snapshot, from which the window takes its size (and its place, if its state changed); nothing
    // when the program does not answer in time.
    std::optional<ResourceSnapshot> TrySnapshot();
    // The same, throwing when the program does not answer.
    ResourceSnapshot Snapshot();

private:
    ResourceSnapshot ChangeState(SystemCommand command, const std::string& state);
    void Adopt(const ResourceSnapshot& snapshot);

    XDisplay& m_display;
    ResourceReport& m_report;
    std::string m_state = "normal";
    std::string m_stateBeforeMinimised = "normal";
    Rect m_client;
    Rect m_frameInsets; // in the normal state: Left, Top, and Width/Height as the right/bottom insets
    Point m_lastGrip{-100, -100};
    std::chrono::steady_clock::time_point m_lastGripPress;
};

} // namespace e2e
