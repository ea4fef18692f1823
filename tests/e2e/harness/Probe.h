#pragma once

#include "Geometry.h"

#include <optional>
#include <string>
#include <vector>

namespace e2e {

// A child window as the window system inside Wine sees it (tests/e2e/probe/WinProbe.cpp).
struct ProbedChild {
    std::string Handle;
    std::string Parent;
    std::string Class;
    std::string Text;
    bool Visible = false;
    bool Enabled = false;
    Rect Outer; // screen coordinates
};

// A top-level window with its children.
struct ProbedWindow {
    std::string Handle;
    std::string Class;
    std::string Text;
    bool Visible = false;
    bool Enabled = false;
    bool Foreground = false;
    bool Iconic = false;
    bool Zoomed = false;
    std::string Focus; // the window holding the keyboard focus in its thread
    Rect Outer;        // screen coordinates
    Rect Client;       // screen coordinates
    unsigned long X11Id = 0;
    std::vector<ProbedChild> Children;

    // The first child of the class (and text, if given).
    std::optional<ProbedChild> Child(const std::string& className,
                                     const std::optional<std::string>& text = {}) const;
};

// A tooltip window (tests/e2e/probe/WinProbe.cpp): it has no title, and its text is the tip it shows.
struct ProbedTooltip {
    std::string Handle;
    bool Visible = false;
    Rect Outer; // screen coordinates
    std::string Text;
};

// The top-level windows titled `title`, in Z order. Wine's message box has the class "#32770".
std::vector<ProbedWindow> ProbeWindows(const std::string& title);
// The first of them with the class, if any.
std::optional<ProbedWindow> ProbeWindow(const std::string& title, const std::string& className);
// Every tooltip window of every program, in Z order.
std::vector<ProbedTooltip> ProbeTooltips();

// What the taskbar button's menu offers; this display has no taskbar.
enum class SystemCommand { Minimize, Maximize, Restore, Close };
// Posts the command to the visible top-level windows titled `title`; returns how many it reached.
int PostSystemCommand(const std::string& title, SystemCommand command);

} // namespace e2e
