#include "ChartWindow.h"

#include "GdiCanvas.h"
#include "SystemError.h"
#include "Utf8.h"

#include <iterator>
#include <string>

namespace win32 {
namespace {

std::string UserLocaleText(LCTYPE item) {
    wchar_t text[16]{};
    ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, text, static_cast<int>(std::size(text)));
    return Narrow(text);
}

chart::Color SystemColour(int index) {
    const COLORREF colour = ::GetSysColor(index);
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

} // namespace

ChartWindow::ChartWindow() {
    m_chart.OnRepaintRequest = [this](chart::Repaint repaint) {
        OnRepaintRequest(repaint);
    };
}

void ChartWindow::Create(Window& parent, const ChartProperties& properties) {
    m_chart.Separators = {UserLocaleText(LOCALE_STHOUSAND), UserLocaleText(LOCALE_SDECIMAL)};
    m_chart.Edge = {SystemColour(COLOR_3DHIGHLIGHT), SystemColour(COLOR_3DSHADOW)};
    RegisterClassOnce({.Name = L"TChart"});
    CreateControl(parent, properties.Control, {.ClassName = L"TChart", .Style = WS_CLIPCHILDREN});
}

LRESULT ChartWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_PRINTCLIENT:
        OnPrintClient(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_SIZE:
        OnSize();
        return 0;
    }
    return DefaultHandling(message, wParam, lParam);
}

void ChartWindow::OnRepaintRequest(chart::Repaint repaint) {
    m_pictureUpToDate = false;
    if (!Handle())
        return;
    // The children too: the logo shows the chart's picture beside its own.
    UINT flags = RDW_INVALIDATE | RDW_ALLCHILDREN;
    if (repaint == chart::Repaint::Immediate)
        flags |= RDW_UPDATENOW;
    ::RedrawWindow(Handle(), nullptr, nullptr, flags);
}

void ChartWindow::OnSize() {
    OnRepaintRequest(chart::Repaint::Deferred);
}

void ChartWindow::UpdatePicture() {
    const chart::Size size = ClientSize();
    if (size != m_pictureSize) {
        m_pictureSelection.reset();
        m_picture.Reset();
        m_pictureSize = {};
        m_pictureUpToDate = false;
        if (size.Width <= 0 || size.Height <= 0)
            return;
        const WindowDC screen(nullptr);
        m_picture.Reset(::CreateCompatibleBitmap(screen.Get(), size.Width, size.Height));
        if (!m_picture)
            ThrowLastError();
        m_pictureSelection.emplace(m_pictureDC.Get(), m_picture.Get());
        m_pictureSize = size;
    }
    if (m_pictureUpToDate || !m_picture)
        return;
    GdiCanvas canvas(m_pictureDC.Get());
    m_chart.Paint(canvas, size);
    m_pictureUpToDate = true;
}

void ChartWindow::OnPaint() {
    const PaintDC paint(Handle());
    UpdatePicture();
    const RECT& dirty = paint.Dirty();
    ::BitBlt(paint.Get(), dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top,
             m_pictureDC.Get(), dirty.left, dirty.top, SRCCOPY);
    if (OnPainted) {
        GdiCanvas window(paint.Get());
        OnPainted(window);
    }
}

void ChartWindow::OnPrintClient(HDC dc) {
    UpdatePicture();
    ::BitBlt(dc, 0, 0, m_pictureSize.Width, m_pictureSize.Height, m_pictureDC.Get(), 0, 0, SRCCOPY);
}

void ChartWindow::DrawOnWindow(const std::function<void(chart::Canvas&)>& draw) {
    const WindowDC window(Handle());
    GdiCanvas canvas(window.Get());
    draw(canvas);
}

} // namespace win32
