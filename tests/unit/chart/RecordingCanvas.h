#pragma once

#include "chart/Canvas.h"

#include <limits>
#include <string>
#include <vector>

namespace chart::testing {

// A canvas that records every drawing call with the clip in force, and measures text with fixed
// metrics so that positions are exact: every character (code point) is (height + 1) / 2 pixels wide, a
// line is height + 3 pixels high. Arial 11 px: 6 x 14; Arial bold 13 px: 7 x 16.
class RecordingCanvas : public Canvas {
public:
    enum class Kind { Fill, Frame, Line, Polyline, Text, Outline };

    struct Call {
        Kind What;
        Rect Clip;
        Rect Area;                 // Fill, Frame
        std::vector<Point> Points; // Line (two), Polyline, Text (origin), Outline (two corners)
        Pen LinePen;               // Frame, Line, Polyline
        Color Colour;              // Fill, Outline
        std::string Text;
        Font TextFont;
        TextDirection Direction = TextDirection::Horizontal;
    };

    static constexpr Rect Unclipped{std::numeric_limits<int>::min(), std::numeric_limits<int>::min(),
                                    std::numeric_limits<int>::max(), std::numeric_limits<int>::max()};

    static Size Measure(std::string_view text, const Font& font);

    void FillRect(const Rect& rect, Color colour) override;
    void FrameRect(const Rect& rect, const Pen& pen) override;
    void Line(Point from, Point to, const Pen& pen) override;
    void Polyline(std::span<const Point> points, const Pen& pen) override;
    Size TextExtent(std::string_view text, const Font& font) override { return Measure(text, font); }
    void Text(Point origin, std::string_view text, const Font& font, TextDirection direction) override;
    void NotXorOutline(Point a, Point b, Color pen) override;
    void IntersectClip(const Rect& rect) override;
    void SaveState() override { m_saved.push_back(m_clip); }
    void RestoreState() override;

    const std::vector<Call>& Calls() const { return m_calls; }
    // The recorded texts in drawing order.
    std::vector<std::string> Texts() const;
    // Index of the first call satisfying the predicate, or -1.
    template <typename Predicate> int IndexOf(Predicate predicate) const {
        for (std::size_t i = 0; i < m_calls.size(); ++i)
            if (predicate(m_calls[i]))
                return static_cast<int>(i);
        return -1;
    }

private:
    Call& Record(Kind what);

    std::vector<Call> m_calls;
    Rect m_clip = Unclipped;
    std::vector<Rect> m_saved;
};

} // namespace chart::testing
