#pragma once

#include "Properties.h"
#include "Window.h"

#include <functional>

namespace win32 {

// A push button (the system's BUTTON class) that takes the keyboard focus. It is clicked with the left
// mouse button, the space bar, or Enter without Shift, Ctrl or Alt: the system's button does not click on
// Enter outside a dialog, so the button does that itself.
class Button : public Control {
public:
    void Create(Window& parent, const ButtonProperties& properties);

    std::function<void(Button& sender)> OnClick;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnNotify(UINT code) override;

private:
    void Click();
    bool OnKeyDown(WPARAM key);
};

} // namespace win32
