#pragma once

#include "Gdi.h"
#include "Properties.h"
#include "Window.h"

namespace win32 {

// A sizable main window: caption, place, client size, background, font and icon from its properties.
// Its controls are its members' windows; the active control takes the keyboard focus whenever the form
// has it, and the wheel input, whichever window under the form it reached first.
class Form : public Window {
public:
    HFONT Font() const override { return m_font.Get(); }
    void SetActiveControl(Window& control) { m_activeControl = &control; }
    void Show(int showCommand);

protected:
    // Creates the window, hidden; the derived form then builds its controls on it.
    explicit Form(const FormProperties& properties);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnSetFocus();
    void OnDestroy();
    void RouteMouseWheel(int rotation);

    FontHandle m_font;
    Window* m_activeControl = nullptr;
};

} // namespace win32
