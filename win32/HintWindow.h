#pragma once

#include "Hint.h"
#include "Window.h"

#include <string>

namespace win32 {

// The application's hint on the screen: one system tooltip, hidden until HintTiming shows it for the
// control under the resting pointer. It sees the application's input before it is dispatched, the way a
// tooltip's relayed events do, and it hears the program's activation and deactivation itself (the system
// tells every top-level window of the program). The tooltip tracks: it shows where and while we say, so
// that the timing, and not the tooltip, decides whether the program is active enough for a hint.
class HintWindow : public Window, private HintHost {
public:
    HintWindow() = default;

    void Create();
    // Every message the application's loop takes, before it is dispatched.
    void Relay(const MSG& message);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void StartTimer(std::chrono::milliseconds delay) override;
    void StopTimer() override;
    bool ProgramActive() const override;
    void ShowTip(std::string_view text) override;
    void HideTip() override;

    void OnPointerMoved(HWND window, WPARAM keys, POINT point);
    void OnTimer();
    // Where the tip's top left corner goes, in screen coordinates; it moves there if it shows.
    void MoveTip(chart::Point position);

    HintTiming m_timing{*this};
    std::wstring m_text; // the tooltip's text while it shows
};

} // namespace win32
