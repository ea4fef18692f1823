// Test-only build for the paint benchmark (bench/paint.sh). Once the window has shown its first picture
// it resizes the chart to each benchmark size and times, Repeats times each:
//   draw - a full repaint into an off-screen bitmap: the layout and drawing of the whole chart through a
//          GdiCanvas on a memory DC holding a screen-compatible bitmap, as the chart's window does it;
//   full - an immediate repaint of the chart's window with its picture out of date (a wheel step): draw,
//          then copy to the screen, and the controls on the chart repaint;
//   copy - the same repaint with the picture up to date (the window was uncovered): copy only.
// It writes the medians in milliseconds to paint-times.txt in the current directory, one line per size,
// "WIDTHxHEIGHT DRAW FULL COPY", or "WIDTHxHEIGHT error TEXT" when the chart could not take that size,
// and quits.
#include "TestVariant.h"
#include "Unit1.h"
#include "win32/Gdi.h"
#include "win32/GdiCanvas.h"
#include "win32/WinApi.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <functional>
#include <utility>
#include <vector>

namespace test_variant {
namespace {

constexpr std::array<chart::Size, 2> ChartSizes{{{726, 455}, {1920, 1080}}};
constexpr int WarmUps = 10;
constexpr int Repeats = 200;

double Milliseconds(LONGLONG counts) {
    LARGE_INTEGER frequency{};
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counts) / static_cast<double>(frequency.QuadPart);
}

double MedianMilliseconds(const std::function<void()>& action) {
    for (int i = 0; i < WarmUps; ++i)
        action();
    std::vector<double> durations;
    for (int i = 0; i < Repeats; ++i) {
        LARGE_INTEGER start{}, end{};
        ::QueryPerformanceCounter(&start);
        action();
        ::GdiFlush();
        ::QueryPerformanceCounter(&end);
        durations.push_back(Milliseconds(end.QuadPart - start.QuadPart));
    }
    std::ranges::sort(durations);
    return (durations[(durations.size() - 1) / 2] + durations[durations.size() / 2]) / 2;
}

// Resizes the form so that the chart, anchored to all four sides, gets the given client size.
bool ResizeChart(chart::Size size) {
    const chart::Size chart = Form1->Chart2.ClientSize();
    const chart::Size form = Form1->ClientSize();
    RECT outer{0, 0, form.Width + size.Width - chart.Width, form.Height + size.Height - chart.Height};
    const HWND window = Form1->Handle();
    ::AdjustWindowRectEx(&outer, static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_EXSTYLE)));
    ::SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    ::UpdateWindow(window);
    return Form1->Chart2.ClientSize() == size;
}

double MedianDraw(chart::Size size) {
    const win32::WindowDC screen(nullptr);
    const win32::MemoryDC memory(screen.Get());
    const win32::BitmapHandle bitmap(::CreateCompatibleBitmap(screen.Get(), size.Width, size.Height));
    const win32::SelectedObject selected(memory.Get(), bitmap.Get());
    chart::Chart& chart = Form1->Chart2.Chart();
    return MedianMilliseconds([&] {
        win32::GdiCanvas canvas(memory.Get());
        chart.Paint(canvas, size);
    });
}

void CALLBACK RunBenchmark(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    std::ofstream report("paint-times.txt");
    win32::ChartWindow& chartWindow = Form1->Chart2;
    for (const chart::Size size : ChartSizes) {
        report << size.Width << 'x' << size.Height << ' ';
        if (!ResizeChart(size)) {
            const chart::Size got = chartWindow.ClientSize();
            report << "error the chart took " << got.Width << 'x' << got.Height << '\n';
            continue;
        }
        const double draw = MedianDraw(size);
        const double full =
            MedianMilliseconds([&] { chartWindow.Chart().RequestRepaint(chart::Repaint::Immediate); });
        // What the immediate request does, but with the picture up to date.
        const double copy = MedianMilliseconds([&] {
            ::RedrawWindow(chartWindow.Handle(), nullptr, nullptr,
                           RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        });
        report << draw << ' ' << full << ' ' << copy << '\n';
    }
    report.close();
    ::PostQuitMessage(0);
}

} // namespace

void FormConstructed() {}
void ButtonClicked() {}

void ChartPainted() {
    static bool started = false;
    if (std::exchange(started, true))
        return;
    // Not inside this paint: from the message loop, once the first picture is on the screen.
    ::SetTimer(nullptr, 0, 0, &RunBenchmark);
}

} // namespace test_variant
