#include "Window.h"

#include "Application.h"
#include "SystemError.h"

#include <algorithm>
#include <string>

namespace win32 {
namespace {

// The window property that holds a window's object, for our own classes and subclassed system ones alike.
constexpr wchar_t ObjectProperty[] = L"Termoclanky.Window";

} // namespace

Window::~Window() {
    if (HWND handle = m_handle) {
        // The derived parts are gone: from here on the window's messages go to its class alone.
        Detach();
        ::DestroyWindow(handle);
    }
}

chart::Size Window::ClientSize() const {
    RECT client{};
    ::GetClientRect(m_handle, &client);
    return {client.right, client.bottom};
}

Window* Window::FromHandle(HWND handle) {
    return handle ? static_cast<Window*>(::GetPropW(handle, ObjectProperty)) : nullptr;
}

void Window::RegisterClassOnce(const ClassStyle& style) {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (::GetClassInfoExW(instance, style.Name, &windowClass))
        return;
    windowClass.style = style.Style;
    windowClass.lpfnWndProc = &Window::WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = style.Background;
    windowClass.hIcon = style.Icon;
    windowClass.lpszClassName = style.Name;
    if (!::RegisterClassExW(&windowClass))
        ThrowLastError();
}

void Window::Create(const Creation& creation, chart::Size designClientSize) {
    m_designClientSize = designClientSize;
    const std::wstring text(creation.Text);
    const RECT& outer = creation.Outer;
    const HWND handle =
        ::CreateWindowExW(creation.ExStyle, creation.ClassName, text.c_str(), creation.Style, outer.left,
                          outer.top, outer.right - outer.left, outer.bottom - outer.top, creation.Parent,
                          nullptr, ::GetModuleHandleW(nullptr), this);
    if (!handle)
        ThrowLastError();
    if (!m_handle) {
        // A system class: its procedure stays the default handling behind ours.
        Attach(handle);
        m_classProcedure = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Window::WindowProc)));
    }
}

void Window::Attach(HWND handle) {
    m_handle = handle;
    ::SetPropW(handle, ObjectProperty, this);
}

void Window::Detach() {
    if (m_classProcedure != ::DefWindowProcW)
        ::SetWindowLongPtrW(m_handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_classProcedure));
    ::RemovePropW(m_handle, ObjectProperty);
    m_handle = nullptr;
}

LRESULT CALLBACK Window::WindowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = FromHandle(handle);
    if (!window && message == WM_NCCREATE) {
        window = static_cast<Window*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        window->Attach(handle);
    }
    if (!window)
        return ::DefWindowProcW(handle, message, wParam, lParam);
    try {
        return window->Dispatch(message, wParam, lParam);
    } catch (...) {
        Application::HandleException();
        return 0;
    }
}

LRESULT Window::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED)
            LayoutControls({LOWORD(lParam), HIWORD(lParam)});
        break;
    case WM_COMMAND:
        if (Window* control = FromHandle(reinterpret_cast<HWND>(lParam))) {
            control->OnNotify(HIWORD(wParam));
            return 0;
        }
        break;
    case WM_NCDESTROY: {
        const LRESULT result = HandleMessage(message, wParam, lParam);
        Detach();
        return result;
    }
    }
    return HandleMessage(message, wParam, lParam);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultHandling(message, wParam, lParam);
}

LRESULT Window::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::CallWindowProcW(m_classProcedure, m_handle, message, wParam, lParam);
}

void Window::LayoutControls(chart::Size clientSize) {
    for (Control* control : m_controls)
        control->FollowParent(clientSize);
}

Control::~Control() {
    if (m_parent)
        std::erase(m_parent->m_controls, this);
}

void Control::CreateControl(Window& parent, const ControlProperties& properties, const Creation& creation) {
    m_parent = &parent;
    m_properties = properties;
    m_designParentSize = parent.DesignClientSize();
    const Bounds bounds =
        AnchoredBounds(properties.Bounds, properties.Anchors, m_designParentSize, parent.ClientSize());
    Creation child = creation;
    child.Style |= WS_CHILD | WS_VISIBLE;
    child.Parent = parent.Handle();
    child.Outer = {bounds.Left, bounds.Top, bounds.Left + bounds.Width, bounds.Top + bounds.Height};
    Create(child, {properties.Bounds.Width, properties.Bounds.Height});
    parent.m_controls.push_back(this);
    if (HFONT font = Font())
        ::SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void Control::FollowParent(chart::Size parentClientSize) {
    const Bounds bounds =
        AnchoredBounds(m_properties.Bounds, m_properties.Anchors, m_designParentSize, parentClientSize);
    ::SetWindowPos(Handle(), nullptr, bounds.Left, bounds.Top, std::max(bounds.Width, 0),
                   std::max(bounds.Height, 0), SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace win32
