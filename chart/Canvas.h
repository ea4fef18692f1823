#pragma once

#include "Color.h"
#include "Geometry.h"

#include <span>
#include <string>
#include <string_view>

namespace chart {

enum class PenStyle { Solid, Dot };

// Width 0 is the thinnest line the device draws, whatever the scaling (used on paper).
struct Pen {
    Color Colour = colors::Black;
    int Width = 1;
    PenStyle Style = PenStyle::Solid;
    friend bool operator==(const Pen&, const Pen&) = default;
};

enum class FontStyle { Regular, Bold, Italic };

// Height is the character height in pixels (logical units), as GDI's negative lfHeight.
struct Font {
    std::string Name = "Arial";
    int Height = 11;
    FontStyle Style = FontStyle::Regular;
    Color Colour = colors::Black;
    friend bool operator==(const Font&, const Font&) = default;
};

// Upwards text is turned a quarter turn anticlockwise about its origin: the text's top left corner
// stays at the origin, the text runs upwards from it and its glyphs' tops face left, so the
// text occupies x in [origin.X, origin.X + height), y in [origin.Y - width, origin.Y).
enum class TextDirection { Horizontal, Upwards };

// The drawing surface of the chart: a window's off-screen bitmap, the window itself, or a printer page.
// Text is UTF-8. Coordinates are chart coordinates (see Geometry.h).
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void FillRect(const Rect& rect, Color colour) = 0;
    // The outline on the rectangle's edge pixels: Left..Right-1 by Top..Bottom-1.
    virtual void FrameRect(const Rect& rect, const Pen& pen) = 0;
    virtual void Line(Point from, Point to, const Pen& pen) = 0;
    virtual void Polyline(std::span<const Point> points, const Pen& pen) = 0;

    // Extent of unturned text: width along the text, height of the line.
    virtual Size TextExtent(std::string_view text, const Font& font) = 0;
    virtual void Text(Point origin, std::string_view text, const Font& font,
                      TextDirection direction = TextDirection::Horizontal) = 0;

    // The reversible zoom outline: a 1-pixel hollow rectangle with corners a and b (both included)
    // whose pixels become NOT(pen XOR pixel); drawing it twice restores the picture.
    virtual void NotXorOutline(Point a, Point b, Color pen) = 0;

    // Clipping only ever shrinks; RestoreState brings back the clip of the matching SaveState.
    virtual void IntersectClip(const Rect& rect) = 0;
    virtual void SaveState() = 0;
    virtual void RestoreState() = 0;
};

// Saves the canvas state for the lifetime of the scope.
class CanvasStateScope {
public:
    explicit CanvasStateScope(Canvas& canvas) : m_canvas(canvas) { m_canvas.SaveState(); }
    ~CanvasStateScope() { m_canvas.RestoreState(); }
    CanvasStateScope(const CanvasStateScope&) = delete;
    CanvasStateScope& operator=(const CanvasStateScope&) = delete;

private:
    Canvas& m_canvas;
};

} // namespace chart
