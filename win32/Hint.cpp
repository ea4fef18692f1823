#include "Hint.h"

#include <algorithm>

namespace win32 {

std::string_view ShortHint(std::string_view hint) {
    return hint.substr(0, hint.find('|'));
}

chart::Point HintPosition(chart::Point pointer, int pointerDepth, chart::Size size,
                          const chart::Rect& workArea) {
    chart::Point position{pointer.X, pointer.Y + pointerDepth};
    if (position.Y + size.Height > workArea.Bottom)
        position.Y = pointer.Y - size.Height;
    // Where the hint is larger than the work area, its top left corner stays inside.
    position.X = std::max(std::min(position.X, workArea.Right - size.Width), workArea.Left);
    position.Y = std::max(position.Y, workArea.Top);
    return position;
}

void HintTiming::PointerMoved(ControlId control, std::string_view hint, chart::Point point) {
    if (m_pointerKnown && point == m_pointer)
        return;
    m_pointerKnown = true;
    m_pointer = point;
    const std::string_view text = ShortHint(hint);
    if (!control || text.empty()) {
        Leave();
    } else if (control != m_control) {
        Leave();
        m_control = control;
        m_text = text;
        m_state = HintState::Waiting;
        m_host.StartTimer(HintPause);
    } else if (m_state == HintState::Waiting) {
        m_host.StartTimer(HintPause);
    }
}

void HintTiming::PointerLeft(ControlId control) {
    if (!control || control != m_control)
        return; // late news about a control the pointer has already left
    Leave();
    m_pointerKnown = false;
}

void HintTiming::Cancel() {
    Leave();
}

void HintTiming::TimerElapsed() {
    switch (m_state) {
    case HintState::Waiting:
        // Inactive, it keeps waiting: the next move starts the pause over.
        if (!m_host.ProgramActive())
            return;
        m_host.ShowTip(m_text);
        m_state = HintState::Showing;
        m_host.StartTimer(HintHidePause);
        return;
    case HintState::Showing:
        m_host.HideTip();
        m_state = HintState::Spent;
        return;
    case HintState::Idle:
    case HintState::Spent:
        return;
    }
}

void HintTiming::Leave() {
    if (m_state == HintState::Showing)
        m_host.HideTip();
    if (m_state == HintState::Waiting || m_state == HintState::Showing)
        m_host.StopTimer();
    m_state = HintState::Idle;
    m_control = nullptr;
    m_text.clear();
}

} // namespace win32
