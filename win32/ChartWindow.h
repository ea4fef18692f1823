#pragma once

#include "Gdi.h"
#include "Properties.h"
#include "Window.h"
#include "chart/Chart.h"

#include <functional>
#include <optional>

namespace win32 {

// The window that shows a chart. Every paint of the chart goes into a kept off-screen picture of the
// window's size, which is replaced only when the size changes; the window copies it to the screen and
// never erases its background separately. A paint that finds the picture up to date (the window was
// only uncovered) just copies it. The chart's repaint requests mark the picture out of date and repaint
// the window later or at once. The chart takes the user's number separators and the desktop's 3D edge
// colours when the window is created.
//
// The mouse over the window drives the chart's zoom, pan and wheel scrolling. The left button captures
// the mouse while it is held, so that a zoom drag follows the pointer anywhere; the right and the middle
// button do not. The print button and the logo are child windows: their presses are theirs alone.
class ChartWindow : public Control {
public:
    ChartWindow();

    void Create(Window& parent, const ChartProperties& properties);

    chart::Chart& Chart() { return m_chart; }

    // Draws straight onto the window, over the picture already there (the reversible zoom outline).
    void DrawOnWindow(const std::function<void(chart::Canvas&)>& draw);

    // Takes one wheel step per notch and passes the input on.
    InputUse OnMouseWheel(int rotation) override;

    // Called after every paint of the window, once the picture and the chart's overlay are on the screen.
    std::function<void(chart::Canvas& window)> OnPainted;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnButtonDown(chart::MouseButton button, LPARAM position);
    void OnButtonUp(chart::MouseButton button, LPARAM position);
    void OnMouseMove(LPARAM position);
    void OnRepaintRequest(chart::Repaint repaint);
    void OnPaint();
    void OnPrintClient(HDC dc);
    void OnSize();
    void UpdatePicture();

    chart::Chart m_chart;
    MemoryDC m_pictureDC;
    BitmapHandle m_picture;
    std::optional<SelectedObject> m_pictureSelection; // destroyed before the picture it selects
    chart::Size m_pictureSize;
    bool m_pictureUpToDate = false;
};

} // namespace win32
