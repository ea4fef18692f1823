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

// Signed: under capture the pointer may lie left of or above the window.
chart::Point PointOf(LPARAM position) {
    return {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
}

} // namespace

ChartWindow::ChartWindow() {
    m_chart.OnRepaintRequest = [this](chart::Repaint repaint) {
        OnRepaintRequest(repaint);
    };
    m_chart.OnDrawOnWindow = [this](const std::function<void(chart::Canvas&)>& draw) {
        DrawOnWindow(draw);
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
    case WM_LBUTTONDOWN:
        OnButtonDown(chart::MouseButton::Left, lParam);
        return 0;
    case WM_RBUTTONDOWN:
        OnButtonDown(chart::MouseButton::Right, lParam);
        return 0;
    case WM_MBUTTONDOWN:
        OnButtonDown(chart::MouseButton::Middle, lParam);
        return 0;
    case WM_LBUTTONUP:
        OnButtonUp(chart::MouseButton::Left, lParam);
        return 0;
    case WM_RBUTTONUP:
        OnButtonUp(chart::MouseButton::Right, lParam);
        return 0;
    case WM_MBUTTONUP:
        OnButtonUp(chart::MouseButton::Middle, lParam);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(lParam);
        return 0;
    case WM_MOUSELEAVE:
        m_chart.Mouse().Leave();
        return 0;
    case WM_CAPTURECHANGED:
        // Our own release comes after the drag has ended; otherwise the system took the mouse away.
        m_chart.Mouse().CancelZoomDrag();
        return 0;
    }
    return DefaultHandling(message, wParam, lParam);
}

void ChartWindow::OnButtonDown(chart::MouseButton button, LPARAM position) {
    if (button == chart::MouseButton::Left)
        ::SetCapture(Handle());
    m_chart.Mouse().Press(button, PointOf(position));
}

void ChartWindow::OnButtonUp(chart::MouseButton button, LPARAM position) {
    m_chart.Mouse().Release(button, PointOf(position));
    if (button == chart::MouseButton::Left && ::GetCapture() == Handle())
        ::ReleaseCapture();
}

// Tracking is armed anew at every move: Wine tracks nothing when it is armed while the pointer lies
// outside the window (under capture), and a move back inside must track again.
void ChartWindow::OnMouseMove(LPARAM position) {
    TRACKMOUSEEVENT leave{
        .cbSize = sizeof leave, .dwFlags = TME_LEAVE, .hwndTrack = Handle(), .dwHoverTime = 0};
    ::TrackMouseEvent(&leave);
    m_chart.Mouse().Move(PointOf(position));
}

// After its step the chart reports the wheel as not used, so it travels on to the form, which ignores it.
InputUse ChartWindow::OnMouseWheel(int rotation) {
    m_chart.Mouse().Wheel(rotation);
    return InputUse::Unused;
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
    GdiCanvas window(paint.Get());
    m_chart.PaintOverlay(window);
    if (OnPainted)
        OnPainted(window);
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
