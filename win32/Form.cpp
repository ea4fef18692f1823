#include "Form.h"

#include "Application.h"
#include "Utf8.h"

namespace win32 {
namespace {

constexpr DWORD FormStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD FormExStyle = 0;

int SystemColorIndex(SystemColor colour) {
    return colour == SystemColor::ButtonFace ? COLOR_BTNFACE : COLOR_WINDOWTEXT;
}

FontHandle CreateFormFont(const FontProperties& font) {
    LOGFONTW description{};
    description.lfHeight = -font.Height;
    description.lfWeight = FW_NORMAL;
    description.lfCharSet = DEFAULT_CHARSET;
    Widen(font.Name).copy(description.lfFaceName, LF_FACESIZE - 1);
    return FontHandle(::CreateFontIndirectW(&description));
}

} // namespace

Form::Form(const FormProperties& properties) : m_font(CreateFormFont(properties.Font)) {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    const std::wstring icon = Widen(properties.Icon);
    RegisterClassOnce({.Name = L"TForm",
                       .Background = ::GetSysColorBrush(SystemColorIndex(properties.Colour)),
                       .Icon = ::LoadIconW(instance, icon.c_str())});
    // The outer size follows from the client size and the system's frame metrics.
    RECT outer{0, 0, properties.ClientSize.Width, properties.ClientSize.Height};
    ::AdjustWindowRectEx(&outer, FormStyle, FALSE, FormExStyle);
    ::OffsetRect(&outer, properties.Position.X - outer.left, properties.Position.Y - outer.top);
    Create({.ClassName = L"TForm",
            .ExStyle = FormExStyle,
            .Style = FormStyle,
            .Text = Widen(properties.Caption),
            .Outer = outer},
           properties.ClientSize);
}

void Form::Show(int showCommand) {
    ::ShowWindow(Handle(), showCommand);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETFOCUS:
        OnSetFocus();
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_MOUSEWHEEL:
        RouteMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    }
    return DefaultHandling(message, wParam, lParam);
}

void Form::OnSetFocus() {
    if (m_activeControl && m_activeControl->Handle())
        ::SetFocus(m_activeControl->Handle());
}

// Each notch reaches the form exactly once, whichever window got it first (under Wine the one under the
// pointer, on Windows the focused one): no window below the form handles WM_MOUSEWHEEL, so each passes
// it on to its parent. So the form, and nothing below it, hands the rotation to the active control and
// on up its parents until one uses it, the way Windows routes the wheel from the focus. Where the
// pointer is makes no difference, and no notch is counted twice on its way up.
void Form::RouteMouseWheel(int rotation) {
    for (HWND handle = m_activeControl ? m_activeControl->Handle() : nullptr; handle && handle != Handle();
         handle = ::GetParent(handle)) {
        Window* window = FromHandle(handle);
        if (window && window->OnMouseWheel(rotation) == InputUse::Used)
            return;
    }
}

void Form::OnDestroy() {
    const Application* application = Application::Current();
    if (application && application->MainForm() == this)
        ::PostQuitMessage(0);
}

} // namespace win32
