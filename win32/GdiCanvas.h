#pragma once

#include "Gdi.h"
#include "WinApi.h"
#include "chart/Canvas.h"

#include <utility>
#include <vector>

namespace win32 {

COLORREF ToColorRef(chart::Color colour);

// chart::Canvas on any DC: a window, a memory bitmap, a printer page. Coordinates are the DC's logical
// units. Pens and fonts are created on first use and kept for the canvas' lifetime, and the one a call
// needs stays selected until a call needs another: under Wine, selecting a font and back costs about
// 13 us, sixty times as much as measuring a label with it. So SaveState/RestoreState (SaveDC/RestoreDC) may
// select an object of ours again; all of them live until the destructor has given the DC back its own
// objects. The DC must outlive the canvas.
class GdiCanvas final : public chart::Canvas {
public:
    explicit GdiCanvas(HDC dc);
    ~GdiCanvas() override;
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

    void FillRect(const chart::Rect& rect, chart::Color colour) override;
    void FrameRect(const chart::Rect& rect, const chart::Pen& pen) override;
    void Line(chart::Point from, chart::Point to, const chart::Pen& pen) override;
    void Polyline(std::span<const chart::Point> points, const chart::Pen& pen) override;

    chart::Size TextExtent(std::string_view text, const chart::Font& font) override;
    void Text(chart::Point origin, std::string_view text, const chart::Font& font,
              chart::TextDirection direction) override;

    void NotXorOutline(chart::Point a, chart::Point b, chart::Color pen) override;

    void IntersectClip(const chart::Rect& rect) override;
    void SaveState() override;
    void RestoreState() override;

private:
    struct FontKey {
        chart::Font Font;
        chart::TextDirection Direction;
        friend bool operator==(const FontKey&, const FontKey&) = default;
    };

    // Selects the pen (the font) into the DC unless it is selected already.
    void UsePen(const chart::Pen& pen);
    void UseFont(const chart::Font& font, chart::TextDirection direction);

    HDC m_dc;
    int m_savedDC;
    // Few: one per colour and style of line, one per text style.
    std::vector<std::pair<chart::Pen, PenHandle>> m_pens;
    std::vector<std::pair<FontKey, FontHandle>> m_fonts;
    std::vector<POINT> m_vertices; // of the latest polyline, kept to spare an allocation per line
};

} // namespace win32
