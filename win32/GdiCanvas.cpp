#include "GdiCanvas.h"

#include "Utf8.h"

#include <algorithm>
#include <vector>

namespace win32 {
namespace {

// lfEscapement and lfOrientation are in tenths of a degree, anticlockwise.
constexpr int QuarterTurnAnticlockwise = 900;

RECT ToRECT(const chart::Rect& rect) {
    return {rect.Left, rect.Top, rect.Right, rect.Bottom};
}

} // namespace

COLORREF ToColorRef(chart::Color colour) {
    return RGB(colour.R, colour.G, colour.B);
}

GdiCanvas::GdiCanvas(HDC dc) : m_dc(dc), m_savedDC(::SaveDC(dc)) {
    // Dotted pens leave their gaps and text its cell background untouched.
    ::SetBkMode(m_dc, TRANSPARENT);
    ::SetTextAlign(m_dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
}

GdiCanvas::~GdiCanvas() {
    ::RestoreDC(m_dc, m_savedDC);
}

HPEN GdiCanvas::PenFor(const chart::Pen& pen) {
    if (m_penKey != pen) {
        const int style = pen.Style == chart::PenStyle::Dot ? PS_DOT : PS_SOLID;
        m_pen.Reset(::CreatePen(style, pen.Width, ToColorRef(pen.Colour)));
        m_penKey = pen;
    }
    return m_pen.Get();
}

HFONT GdiCanvas::FontFor(const chart::Font& font, chart::TextDirection direction) {
    if (!m_fontKey || m_fontKey->first != font || m_fontKey->second != direction) {
        LOGFONTW description{};
        description.lfHeight = -font.Height;
        description.lfWeight = font.Style == chart::FontStyle::Bold ? FW_BOLD : FW_NORMAL;
        description.lfItalic = font.Style == chart::FontStyle::Italic;
        const int turn = direction == chart::TextDirection::Upwards ? QuarterTurnAnticlockwise : 0;
        description.lfEscapement = turn;
        description.lfOrientation = turn;
        description.lfCharSet = DEFAULT_CHARSET;
        description.lfOutPrecision = turn ? OUT_TT_ONLY_PRECIS : OUT_DEFAULT_PRECIS;
        const std::wstring name = Widen(font.Name);
        name.copy(description.lfFaceName, LF_FACESIZE - 1);
        m_font.Reset(::CreateFontIndirectW(&description));
        m_fontKey.emplace(font, direction);
    }
    return m_font.Get();
}

void GdiCanvas::FillRect(const chart::Rect& rect, chart::Color colour) {
    const RECT area = ToRECT(rect);
    ::SetDCBrushColor(m_dc, ToColorRef(colour));
    ::FillRect(m_dc, &area, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
}

void GdiCanvas::FrameRect(const chart::Rect& rect, const chart::Pen& pen) {
    const SelectedObject selectedPen(m_dc, PenFor(pen));
    const SelectedObject hollow(m_dc, ::GetStockObject(NULL_BRUSH));
    ::Rectangle(m_dc, rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void GdiCanvas::Line(chart::Point from, chart::Point to, const chart::Pen& pen) {
    const SelectedObject selectedPen(m_dc, PenFor(pen));
    ::MoveToEx(m_dc, from.X, from.Y, nullptr);
    ::LineTo(m_dc, to.X, to.Y);
}

void GdiCanvas::Polyline(std::span<const chart::Point> points, const chart::Pen& pen) {
    if (points.size() < 2)
        return;
    std::vector<POINT> vertices(points.size());
    std::ranges::transform(points, vertices.begin(), [](chart::Point p) { return POINT{p.X, p.Y}; });
    const SelectedObject selectedPen(m_dc, PenFor(pen));
    ::Polyline(m_dc, vertices.data(), static_cast<int>(vertices.size()));
}

chart::Size GdiCanvas::TextExtent(std::string_view text, const chart::Font& font) {
    const std::wstring wide = Widen(text);
    const SelectedObject selectedFont(m_dc, FontFor(font, chart::TextDirection::Horizontal));
    SIZE extent{};
    ::GetTextExtentPoint32W(m_dc, wide.c_str(), static_cast<int>(wide.size()), &extent);
    return {extent.cx, extent.cy};
}

void GdiCanvas::Text(chart::Point origin, std::string_view text, const chart::Font& font,
                     chart::TextDirection direction) {
    const std::wstring wide = Widen(text);
    const SelectedObject selectedFont(m_dc, FontFor(font, direction));
    ::SetTextColor(m_dc, ToColorRef(font.Colour));
    ::TextOutW(m_dc, origin.X, origin.Y, wide.c_str(), static_cast<int>(wide.size()));
}

void GdiCanvas::NotXorOutline(chart::Point a, chart::Point b, chart::Color pen) {
    const int previousMode = ::SetROP2(m_dc, R2_NOTXORPEN);
    // Both corners lie on the outline: Rectangle's right and bottom edges are exclusive.
    FrameRect({std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X) + 1, std::max(a.Y, b.Y) + 1},
              chart::Pen{pen, 1, chart::PenStyle::Solid});
    ::SetROP2(m_dc, previousMode);
}

void GdiCanvas::IntersectClip(const chart::Rect& rect) {
    ::IntersectClipRect(m_dc, rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void GdiCanvas::SaveState() {
    ::SaveDC(m_dc);
}

void GdiCanvas::RestoreState() {
    ::RestoreDC(m_dc, -1);
}

} // namespace win32
