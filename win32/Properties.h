#pragma once

#include "Anchors.h"
#include "chart/Color.h"
#include "chart/Geometry.h"

#include <string_view>

// The properties of our components as a form description declares them. Plain data without
// <windows.h>, so that the description and what is built from it can be checked natively.
namespace win32 {

// Colours the desktop's scheme decides.
enum class SystemColor { ButtonFace, WindowText };

struct FontProperties {
    std::string_view Name = {};
    int Height = 0; // character height in pixels (GDI's negative lfHeight): 11 is 8 point at 96 DPI
    SystemColor Colour = SystemColor::WindowText;
};

// A sizable main window with system menu, minimise and maximise buttons, opened in the normal state.
struct FormProperties {
    std::string_view Caption = {};
    chart::Point Position = {};  // outer top left corner on the screen
    chart::Size ClientSize = {}; // at 96 DPI; the outer size follows from the system's frame metrics
    SystemColor Colour = SystemColor::ButtonFace;
    FontProperties Font = {};
    std::string_view Icon = {}; // icon resource name
};

// A control's place in its parent's client area, as designed, and the edges it keeps its distance to.
struct ControlProperties {
    win32::Bounds Bounds = {};
    win32::Anchors Anchors = win32::Anchors::Left | win32::Anchors::Top;
};

struct ChartProperties {
    ControlProperties Control = {};
    chart::Color Colour = chart::colors::White;
};

struct SeriesProperties {
    std::string_view Name = {};
    std::string_view Title = {};
    chart::Color Colour = {};
};

struct ButtonProperties {
    ControlProperties Control = {};
    std::string_view Caption = {};
};

// A picture drawn opaque at its own size with its top left corner on the control's; not stretched or centred.
struct ImageProperties {
    ControlProperties Control = {};
    std::string_view Picture = {}; // bitmap resource name
    std::string_view Hint = {};    // what shows when the pointer rests on it: the part before the first "|"
};

} // namespace win32
