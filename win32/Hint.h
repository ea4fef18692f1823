#pragma once

#include "chart/Geometry.h"

#include <chrono>
#include <string>
#include <string_view>

// The application's hint without a window system: which text it shows, where, and when it comes and goes.
// win32/HintWindow.h puts it on the screen with the system's tooltip.
namespace win32 {

// The application's default hint timing.
inline constexpr std::chrono::milliseconds HintPause{500};      // the pointer rests this long first
inline constexpr std::chrono::milliseconds HintHidePause{2500}; // then the hint shows this long

// What a tooltip shows of a control's hint: the part before the first "|" ("a|b" -> "a").
std::string_view ShortHint(std::string_view hint);

// The top left corner of a hint of `size` for a pointer whose hot spot is at `pointer` and whose picture
// ends `pointerDepth` pixels below it: just below the pointer, or above it where the hint would reach
// below the work area, and moved sideways as far as it takes to stay inside. Screen coordinates.
chart::Point HintPosition(chart::Point pointer, int pointerDepth, chart::Size size,
                          const chart::Rect& workArea);

// What HintTiming needs of the window system.
class HintHost {
public:
    virtual ~HintHost() = default;

    // The one timer: it elapses once, into HintTiming::TimerElapsed; starting it again restarts it.
    virtual void StartTimer(std::chrono::milliseconds delay) = 0;
    virtual void StopTimer() = 0;
    // Whether the program is the active application: only then does a hint show.
    virtual bool ProgramActive() const = 0;
    // Shows the text just below the pointer where it is now, or removes it.
    virtual void ShowTip(std::string_view text) = 0;
    virtual void HideTip() = 0;
};

enum class HintState {
    Idle,    // not over a control with a hint, or the hint was cancelled
    Waiting, // over one: the hint shows once the pointer has rested HintPause
    Showing, // for HintHidePause
    Spent,   // shown: it shows again only after the pointer has left the control
};

// When the hint shows and goes:
//
//   Idle --the pointer moves onto a control with a hint--> Waiting
//   Waiting --the pointer moves on it--> Waiting, the pause starts over
//   Waiting --HintPause without a move, the program active--> Showing --HintHidePause--> Spent
//   any --the pointer leaves the control, a mouse button or key press, (de)activation--> Idle, hidden at once
//
// After a cancellation the next move over the control starts over; a pointer that does not move (the
// window system repeats a move at the same place when windows appear) starts nothing.
class HintTiming {
public:
    // Tells the controls apart; null is no control.
    using ControlId = const void*;

    explicit HintTiming(HintHost& host) : m_host(host) {}
    HintTiming(const HintTiming&) = delete;
    HintTiming& operator=(const HintTiming&) = delete;

    // The pointer is at `point` (screen) over `control`, whose hint is `hint` ("" for none).
    void PointerMoved(ControlId control, std::string_view hint, chart::Point point);
    // The window system noticed that the pointer has left `control`.
    void PointerLeft(ControlId control);
    // A mouse button or key was pressed, or the program was activated or deactivated.
    void Cancel();
    void TimerElapsed();

    HintState State() const { return m_state; }

private:
    void Leave();

    HintHost& m_host;
    HintState m_state = HintState::Idle;
    ControlId m_control = nullptr; // while not Idle
    std::string m_text;            // the short hint of m_control
    bool m_pointerKnown = false;
    chart::Point m_pointer;
};

} // namespace win32
