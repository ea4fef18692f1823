#include "HintWindow.h"

#include "Gdi.h"
#include "Utf8.h"

#include <commctrl.h>

#include <cstdint>
#include <vector>

namespace win32 {
namespace {

// Clear of the tooltip's own timers, which it numbers from 1.
constexpr UINT_PTR HintTimerId = 0x4854;

// The tooltip's one tool: shown and placed by us, not by the tooltip's own timing.
TTTOOLINFOW Tool(HWND tooltip, wchar_t* text = nullptr) {
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = tooltip;
    tool.lpszText = text;
    return tool;
}

// How far the cursor's picture reaches below its hot spot, in pixels: to the lowest row of its masks
// that shows anything. A monochrome cursor's mask is its AND mask above its XOR mask; a pixel shows where
// the AND bit is 0 or the XOR bit is 1. A colour cursor shows where its AND bit is 0.
int PointerDepth(HCURSOR cursor) {
    const int fallback = ::GetSystemMetrics(SM_CYCURSOR);
    ICONINFO info{};
    if (!cursor || !::GetIconInfo(cursor, &info))
        return fallback;
    const BitmapHandle mask(info.hbmMask), colour(info.hbmColor); // GetIconInfo's copies, ours to delete
    BITMAP bitmap{};
    if (!::GetObjectW(mask.Get(), sizeof bitmap, &bitmap))
        return fallback;
    const bool monochrome = !colour;
    const int width = bitmap.bmWidth;
    const int height = monochrome ? bitmap.bmHeight / 2 : bitmap.bmHeight;
    BITMAPINFO format{};
    BITMAPINFOHEADER& header = format.bmiHeader;
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = -bitmap.bmHeight; // rows top-down
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * bitmap.bmHeight);
    const WindowDC screen(nullptr);
    if (!::GetDIBits(screen.Get(), mask.Get(), 0, bitmap.bmHeight, pixels.data(), &format, DIB_RGB_COLORS))
        return fallback;
    const auto bit = [&](int x, int y) {
        return (pixels[static_cast<std::size_t>(y) * width + x] & 0xFFFFFF) != 0;
    };
    for (int y = height - 1; y >= 0; --y)
        for (int x = 0; x < width; ++x)
            if (!bit(x, y) || (monochrome && bit(x, y + height)))
                return y + 1 - static_cast<int>(info.yHotspot);
    return 0;
}

chart::Rect WorkAreaAt(POINT point) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    return {work.left, work.top, work.right, work.bottom};
}

} // namespace

void HintWindow::Create() {
    Window::Create({.ClassName = TOOLTIPS_CLASSW, .ExStyle = WS_EX_TOPMOST, .Style = WS_POPUP | TTS_NOPREFIX},
                   {});
    TTTOOLINFOW tool = Tool(Handle(), m_text.data());
    ::SendMessageW(Handle(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void HintWindow::Relay(const MSG& message) {
    if (!Handle())
        return;
    switch (message.message) {
    case WM_MOUSEMOVE:
        OnPointerMoved(message.hwnd, GET_KEYSTATE_WPARAM(message.wParam), message.pt);
        break;
    case WM_NCMOUSEMOVE: // over a window's frame: no control
        m_timing.PointerMoved(nullptr, {}, {message.pt.x, message.pt.y});
        break;
    case WM_MOUSELEAVE:
        m_timing.PointerLeft(message.hwnd);
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_XBUTTONDOWN:
    case WM_XBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_NCXBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        m_timing.Cancel();
        break;
    }
}

LRESULT HintWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (wParam != HintTimerId)
            break;
        OnTimer();
        return 0;
    case WM_ACTIVATEAPP:
        m_timing.Cancel();
        break;
    }
    return DefaultHandling(message, wParam, lParam);
}

void HintWindow::OnPointerMoved(HWND window, WPARAM keys, POINT point) {
    // While a button is held the moves belong to a gesture, wherever it started: no hint.
    const Window* control = (keys & MouseButtonKeys) ? nullptr : FromHandle(window);
    const std::string_view hint = control ? control->Hint() : std::string_view{};
    if (!hint.empty()) {
        // Armed at every move: a request made while the pointer was elsewhere would track nothing.
        TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, window, 0};
        ::TrackMouseEvent(&leave);
    }
    m_timing.PointerMoved(window, hint, {point.x, point.y});
}

void HintWindow::OnTimer() {
    // The system's timers repeat; ours elapses once.
    ::KillTimer(Handle(), HintTimerId);
    m_timing.TimerElapsed();
}

void HintWindow::StartTimer(std::chrono::milliseconds delay) {
    ::SetTimer(Handle(), HintTimerId, static_cast<UINT>(delay.count()), nullptr);
}

void HintWindow::StopTimer() {
    ::KillTimer(Handle(), HintTimerId);
}

bool HintWindow::ProgramActive() const {
    DWORD process = 0;
    const HWND foreground = ::GetForegroundWindow();
    return foreground && ::GetWindowThreadProcessId(foreground, &process) &&
           process == ::GetCurrentProcessId();
}

void HintWindow::ShowTip(std::string_view text) {
    m_text = Widen(text);
    TTTOOLINFOW tool = Tool(Handle(), m_text.data());
    ::SendMessageW(Handle(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    POINT pointer{};
    ::GetCursorPos(&pointer);
    const int depth = PointerDepth(::GetCursor());
    const chart::Rect workArea = WorkAreaAt(pointer);
    const auto positionFor = [&](chart::Size size) {
        return HintPosition({pointer.x, pointer.y}, depth, size, workArea);
    };
    const auto bubble =
        static_cast<DWORD>(::SendMessageW(Handle(), TTM_GETBUBBLESIZE, 0, reinterpret_cast<LPARAM>(&tool)));
    const chart::Point planned = positionFor({LOWORD(bubble), HIWORD(bubble)});
    MoveTip(planned);
    ::SendMessageW(Handle(), TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    // A tooltip may measure the bubble by the text it showed before (Wine's does): its real size decides.
    RECT shown{};
    ::GetWindowRect(Handle(), &shown);
    const chart::Point needed = positionFor({shown.right - shown.left, shown.bottom - shown.top});
    if (needed != planned)
        MoveTip(needed);
}

void HintWindow::MoveTip(chart::Point position) {
    ::SendMessageW(Handle(), TTM_TRACKPOSITION, 0, MAKELPARAM(position.X, position.Y));
}

void HintWindow::HideTip() {
    TTTOOLINFOW tool = Tool(Handle());
    ::SendMessageW(Handle(), TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

} // namespace win32
