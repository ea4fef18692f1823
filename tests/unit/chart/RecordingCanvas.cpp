#include "RecordingCanvas.h"

#include <algorithm>
#include <stdexcept>

namespace chart::testing {

Size RecordingCanvas::Measure(std::string_view text, const Font& font) {
    // UTF-8 continuation bytes do not start a character.
    const auto characters =
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
    return {static_cast<int>(characters) * ((font.Height + 1) / 2), font.Height + 3};
}

RecordingCanvas::Call& RecordingCanvas::Record(Kind what) {
    Call& call = m_calls.emplace_back();
    call.What = what;
    call.Clip = m_clip;
    return call;
}

void RecordingCanvas::FillRect(const Rect& rect, Color colour) {
    Call& call = Record(Kind::Fill);
    call.Area = rect;
    call.Colour = colour;
}

void RecordingCanvas::FrameRect(const Rect& rect, const Pen& pen) {
    Call& call = Record(Kind::Frame);
    call.Area = rect;
    call.LinePen = pen;
}

void RecordingCanvas::Line(Point from, Point to, const Pen& pen) {
    Call& call = Record(Kind::Line);
    call.Points = {from, to};
    call.LinePen = pen;
}

void RecordingCanvas::Polyline(std::span<const Point> points, const Pen& pen) {
    Call& call = Record(Kind::Polyline);
    call.Points.assign(points.begin(), points.end());
    call.LinePen = pen;
}

void RecordingCanvas::Text(Point origin, std::string_view text, const Font& font, TextDirection direction) {
    Call& call = Record(Kind::Text);
    call.Points = {origin};
    call.Text = text;
    call.TextFont = font;
    call.Direction = direction;
}

void RecordingCanvas::NotXorOutline(Point a, Point b, Color pen) {
    Call& call = Record(Kind::Outline);
    call.Points = {a, b};
    call.Colour = pen;
}

void RecordingCanvas::IntersectClip(const Rect& rect) {
    m_clip = {std::max(m_clip.Left, rect.Left), std::max(m_clip.Top, rect.Top),
              std::min(m_clip.Right, rect.Right), std::min(m_clip.Bottom, rect.Bottom)};
}

void RecordingCanvas::RestoreState() {
    if (m_saved.empty())
        throw std::logic_error("RestoreState without SaveState");
    m_clip = m_saved.back();
    m_saved.pop_back();
}

std::vector<std::string> RecordingCanvas::Texts() const {
    std::vector<std::string> texts;
    for (const Call& call : m_calls)
        if (call.What == Kind::Text)
            texts.push_back(call.Text);
    return texts;
}

} // namespace chart::testing
