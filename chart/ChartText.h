#pragma once

#include <functional>
#include <string>
#include <utility>

namespace chart {

// A one-line text of the chart: the title at its top, the foot line at its bottom. A hidden text is
// neither drawn nor given room, so showing or hiding it reports a change to the owner.
class ChartText {
public:
    explicit ChartText(std::function<void()> visibilityChanged)
        : m_visibilityChanged(std::move(visibilityChanged)) {}

    std::string Text;

    bool Visible() const { return m_visible; }
    void SetVisible(bool visible) {
        if (visible == m_visible)
            return;
        m_visible = visible;
        m_visibilityChanged();
    }

private:
    bool m_visible = true;
    std::function<void()> m_visibilityChanged;
};

} // namespace chart
