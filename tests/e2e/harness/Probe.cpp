#include "Probe.h"

#include "WineProgram.h"

#include <map>
#include <sstream>

namespace e2e {
namespace {

std::map<std::string, std::string> Fields(const std::string& line) {
    std::map<std::string, std::string> fields;
    std::istringstream stream(line);
    std::string field;
    std::getline(stream, field, '\t'); // the kind of line
    while (std::getline(stream, field, '\t')) {
        const auto equals = field.find('=');
        if (equals != std::string::npos)
            fields[field.substr(0, equals)] = field.substr(equals + 1);
    }
    return fields;
}

std::vector<int> Numbers(const std::string& text) {
    std::vector<int> numbers;
    std::istringstream stream(text);
    std::string number;
    while (std::getline(stream, number, ','))
        numbers.push_back(std::stoi(number));
    return numbers;
}

// left,top,right,bottom
Rect FromEdges(const std::string& text) {
    const std::vector<int> n = Numbers(text);
    return n.size() == 4 ? Rect{n[0], n[1], n[2] - n[0], n[3] - n[1]} : Rect{};
}

// left,top,width,height
Rect FromSize(const std::string& text) {
    const std::vector<int> n = Numbers(text);
    return n.size() == 4 ? Rect{n[0], n[1], n[2], n[3]} : Rect{};
}

} // namespace

std::optional<ProbedChild> ProbedWindow::Child(const std::string& className,
                                               const std::optional<std::string>& text) const {
    for (const ProbedChild& child : Children)
        if (child.Class == className && (!text || child.Text == *text))
            return child;
    return std::nullopt;
}

std::vector<ProbedWindow> ProbeWindows(const std::string& title) {
    std::vector<ProbedWindow> windows;
    std::istringstream output(WineProgram::Output("winprobe.exe", {"windows", title}));
    std::string line;
    while (std::getline(output, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::map<std::string, std::string> f = Fields(line);
        if (line.starts_with("window\t")) {
            windows.push_back({.Handle = f["handle"],
                               .Class = f["class"],
                               .Text = f["text"],
                               .Visible = f["visible"] == "1",
                               .Enabled = f["enabled"] == "1",
                               .Foreground = f["foreground"] == "1",
                               .Iconic = f["iconic"] == "1",
                               .Zoomed = f["zoomed"] == "1",
                               .Focus = f["focus"],
                               .Outer = FromEdges(f["outer"]),
                               .Client = FromSize(f["client"]),
                               .X11Id = std::stoul(f["x11"], nullptr, 16),
                               .Children = {}});
        } else if (line.starts_with("child\t") && !windows.empty()) {
            windows.back().Children.push_back({.Handle = f["handle"],
                                               .Parent = f["parent"],
                                               .Class = f["class"],
                                               .Text = f["text"],
                                               .Visible = f["visible"] == "1",
                                               .Enabled = f["enabled"] == "1",
                                               .Outer = FromEdges(f["outer"])});
        }
    }
    return windows;
}

std::optional<ProbedWindow> ProbeWindow(const std::string& title, const std::string& className) {
    for (ProbedWindow& window : ProbeWindows(title))
        if (window.Class == className)
            return std::move(window);
    return std::nullopt;
}

int PostSystemCommand(const std::string& title, SystemCommand command) {
    const char* const names[] = {"minimize", "maximize", "restore", "close"};
    const std::string output =
        WineProgram::Output("winprobe.exe", {"syscommand", title, names[static_cast<int>(command)]});
    return output.empty() ? 0 : std::stoi(output);
}

std::vector<ProbedTooltip> ProbeTooltips() {
    std::vector<ProbedTooltip> tooltips;
    std::istringstream output(WineProgram::Output("winprobe.exe", {"tooltips"}));
    std::string line;
    while (std::getline(output, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.starts_with("tooltip\t"))
            continue;
        std::map<std::string, std::string> f = Fields(line);
        tooltips.push_back({.Handle = f["handle"],
                            .Visible = f["visible"] == "1",
                            .Outer = FromEdges(f["outer"]),
                            .Text = f["text"]});
    }
    return tooltips;
}

} // namespace e2e
