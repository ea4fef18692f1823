#pragma once

#include "Geometry.h"
#include "Image.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace e2e {

enum class MouseButton : unsigned { Left = 1, Middle = 2, Right = 3, WheelAway = 4, WheelTowards = 5 };

// A press of a button within this time of the last one, and within this distance of it each way, is the
// second click of a double click: the system's 500 ms, with a margin, and its 4 x 4 px box.
inline constexpr std::chrono::milliseconds DoubleClickTime{600};
inline constexpr int DoubleClickDistance = 2;

// The pointer's picture as the display shows it: pixels 0xAARRGGBB row by row, and the hot spot within.
struct PointerShape {
    int Width = 0;
    int Height = 0;
    Point HotSpot;
    std::vector<std::uint32_t> Argb;
    friend bool operator==(const PointerShape&, const PointerShape&) = default;
};

// Held while a key is pressed.
enum class Modifier { Unmodified, Shift, Control, Alt };

// The display the program runs on, as a person at it would use it: its top-level windows (found by
// their _NET_WM_NAME, UTF-8), its pixels, and real input through the XTest extension. Every input
// call returns once the X server has processed it; the program reacts in its own time, so callers
// wait for the reaction. From its creation on it also records every top-level window that was mapped.
class XDisplay {
public:
    explicit XDisplay(const std::string& name);
    ~XDisplay();
    XDisplay(const XDisplay&) = delete;
    XDisplay& operator=(const XDisplay&) = delete;

    struct TopLevel {
        unsigned long Id = 0;
        Rect Bounds; // in root coordinates
    };
    // The viewable top-level windows with this exact title.
    std::vector<TopLevel> FindWindows(std::string_view title);

    // The top-level windows that were mapped since this display was opened, with their size then.
    std::vector<TopLevel> MappedWindows();

    Image Capture(const Rect& area);
    Image CaptureScreen();
    PointerShape Pointer();

    void MoveTo(Point p);
    void Press(MouseButton button);
    void Release(MouseButton button);
    void Click(MouseButton button, Point p);
    // Press at `from`, move there in steps, release at `to`.
    void Drag(MouseButton button, Point from, Point to, int steps = 10);
    // One notch away from the user (positive rotation) or towards (negative), with the pointer at p.
    void Wheel(Point p, int notches);
    // A key by its X keysym name ("Return", "space", "F4"), with an optional modifier held.
    void Key(std::string_view keysym, Modifier modifier = Modifier::Unmodified);

private:
    void Sync();
    void ButtonEvent(unsigned button, bool press);
    void KeyEvent(unsigned long keysym, bool press);
    void DrainEvents();

    struct Connection;
    Connection* m_connection;
};

} // namespace e2e
