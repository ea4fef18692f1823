#include "Button.h"

#include "Utf8.h"

namespace win32 {
namespace {

bool IsKeyDown(int key) {
    return ::GetKeyState(key) < 0;
}

} // namespace

void Button::Create(Window& parent, const ButtonProperties& properties) {
    CreateControl(
        parent, properties.Control,
        {.ClassName = L"BUTTON", .Style = WS_TABSTOP | BS_PUSHBUTTON, .Text = Widen(properties.Caption)});
}

LRESULT Button::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
        if (OnKeyDown(wParam))
            return 0;
        break;
    }
    return DefaultHandling(message, wParam, lParam);
}

void Button::OnNotify(UINT code) {
    if (code == BN_CLICKED)
        Click();
}

bool Button::OnKeyDown(WPARAM key) {
    if (key != VK_RETURN || IsKeyDown(VK_SHIFT) || IsKeyDown(VK_CONTROL) || IsKeyDown(VK_MENU))
        return false;
    Click();
    return true;
}

void Button::Click() {
    if (OnClick)
        OnClick(*this);
}

} // namespace win32
