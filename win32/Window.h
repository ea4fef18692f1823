#pragma once

#include "Anchors.h"
#include "Properties.h"
#include "WinApi.h"
#include "chart/Geometry.h"

#include <string_view>
#include <vector>

namespace win32 {

class Control;

// The mouse buttons in the key state of a mouse message.
inline constexpr WPARAM MouseButtonKeys = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON | MK_XBUTTON1 | MK_XBUTTON2;

// Whether a window used the input it was given, or it travels on to the window's parent.
enum class InputUse { Unused, Used };

// A window of ours. The object owns its HWND (destroyed with the object, unless the system destroyed it
// first) and receives its messages through HandleMessage, whose cases are one line each, calling a typed
// handler. A window of one of our own classes gets `this` on WM_NCCREATE; a window of a system class
// (BUTTON) is subclassed right after its creation. No exception leaves the window procedure: it goes to
// the application's exception handling (the error box) and the program goes on.
class Window {
public:
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return m_handle; }
    chart::Size ClientSize() const;
    // The client size that the form description's coordinates of the child controls refer to.
    chart::Size DesignClientSize() const { return m_designClientSize; }
    // The font of the texts of this window and its controls (the form's, unless a window has its own).
    virtual HFONT Font() const { return nullptr; }
    // The window's hint: the application's hint window shows its ShortHint while the pointer rests on
    // the window; "" for none.
    virtual std::string_view Hint() const { return {}; }

    // Our window behind a handle, or null for a window that is not ours.
    static Window* FromHandle(HWND handle);

    // Wheel rotation (WHEEL_DELTA per notch, positive away from the user) that the form hands to the
    // focused control and on up its parents until one of them uses it.
    virtual InputUse OnMouseWheel(int /*rotation*/) { return InputUse::Unused; }

protected:
    Window() = default;

    struct ClassStyle {
        const wchar_t* Name = nullptr;
        UINT Style = 0;
        HBRUSH Background = nullptr;
        HICON Icon = nullptr;
    };
    // Registers one of our window classes on its first use; later calls with the same name do nothing.
    static void RegisterClassOnce(const ClassStyle& style);

    struct Creation {
        const wchar_t* ClassName = nullptr;
        DWORD ExStyle = 0;
        DWORD Style = 0;
        std::wstring_view Text = {};
        RECT Outer{};
        HWND Parent = nullptr;
    };
    void Create(const Creation& creation, chart::Size designClientSize);

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // What the window's class does with a message (DefWindowProc, or a system control's own procedure).
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);
    // A notification (WM_COMMAND code) that this control sent to its parent, handed back to the control.
    virtual void OnNotify(UINT /*code*/) {}

private:
    friend class Control;

    static LRESULT CALLBACK WindowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void Attach(HWND handle);
    void Detach();
    void LayoutControls(chart::Size clientSize);

    HWND m_handle = nullptr;
    WNDPROC m_classProcedure = ::DefWindowProcW;
    chart::Size m_designClientSize;
    std::vector<Control*> m_controls;
};

// A child window placed by a form description: it keeps its distance to its parent's anchored edges.
class Control : public Window {
public:
    ~Control() override;
    Window* Parent() const { return m_parent; }
    HFONT Font() const override { return m_parent ? m_parent->Font() : nullptr; }

protected:
    Control() = default;
    void CreateControl(Window& parent, const ControlProperties& properties, const Creation& creation);

private:
    friend class Window;

    void FollowParent(chart::Size parentClientSize);

    Window* m_parent = nullptr;
    ControlProperties m_properties;
    chart::Size m_designParentSize;
};

} // namespace win32
