#pragma once

#include "Gdi.h"
#include "WinApi.h"
#include "chart/Canvas.h"

#include <optional>

namespace win32 {

COLORREF ToColorRef(chart::Color colour);

// chart::Canvas on any DC: a window, a memory bitmap, a printer page. Coordinates are the DC's logical
// units. Pens and fonts are created on demand, the last one of each kind kept for the next call, and
// selected only for the duration of one drawing call, so that SaveState/RestoreState (SaveDC/RestoreDC)
// never refer to an object of ours. The DC must outlive the canvas.
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
    HPEN PenFor(const chart::Pen& pen);
    HFONT FontFor(const chart::Font& font, chart::TextDirection direction);

    HDC m_dc;
    int m_savedDC;
    std::optional<chart::Pen> m_penKey;
    PenHandle m_pen;
    std::optional<std::pair<chart::Font, chart::TextDirection>> m_fontKey;
    FontHandle m_font;
};

} // namespace win32
