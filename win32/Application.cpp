#include "Application.h"

#include "ErrorText.h"
#include "Utf8.h"
#include "WinApi.h"

#include <commctrl.h>
#include <objbase.h>

#include <utility>
#include <vector>

namespace win32 {
namespace {

Application* g_application = nullptr;

// Maximised and minimised starts are honoured; every other start-up show command shows the window normally.
int MainFormShowCommand(int startupShowCommand) {
    switch (startupShowCommand) {
    case SW_SHOWMAXIMIZED:
        return SW_SHOWMAXIMIZED;
    case SW_SHOWMINNOACTIVE:
        return SW_SHOWMINNOACTIVE;
    default:
        return SW_SHOWNORMAL;
    }
}

// Disables the program's enabled top-level windows for its lifetime, as a modal box needs.
class DisabledThreadWindows {
public:
    DisabledThreadWindows() {
        ::EnumThreadWindows(::GetCurrentThreadId(), &DisableWindow, reinterpret_cast<LPARAM>(&m_windows));
    }
    ~DisabledThreadWindows() {
        for (HWND window : m_windows)
            if (::IsWindow(window))
                ::EnableWindow(window, TRUE);
    }
    DisabledThreadWindows(const DisabledThreadWindows&) = delete;
    DisabledThreadWindows& operator=(const DisabledThreadWindows&) = delete;

private:
    static BOOL CALLBACK DisableWindow(HWND window, LPARAM windows) {
        if (::IsWindowVisible(window) && ::IsWindowEnabled(window)) {
            reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
            ::EnableWindow(window, FALSE);
        }
        return TRUE;
    }

    std::vector<HWND> m_windows;
};

} // namespace

Application::Application() {
    g_application = this;
}

Application::~Application() {
    ReleaseMainForm();
    if (m_comInitialized)
        ::CoUninitialize();
    g_application = nullptr;
}

void Application::Initialize() {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ::GetStartupInfoW(&startup);
    if (startup.dwFlags & STARTF_USESHOWWINDOW)
        m_startupShowCommand = startup.wShowWindow;
    // The bar classes bring the tooltip.
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    // ShellExecute may hand its work to shell extensions, which are COM objects: COM comes first.
    m_comInitialized =
        SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    m_hint.Create();
}

void Application::Run() {
    if (!m_mainForm)
        return;
    m_mainForm->Show(MainFormShowCommand(m_startupShowCommand));
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        try {
            m_hint.Relay(message);
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        } catch (...) {
            HandleException();
        }
    }
    ReleaseMainForm();
}

void Application::ReleaseMainForm() {
    if (m_clearMainFormReference)
        std::exchange(m_clearMainFormReference, nullptr)();
    m_mainForm.reset();
}

void Application::ShowException(const ::Exception& exception) {
    const std::wstring text = Widen(ErrorBoxText(exception.Message()));
    const std::wstring caption = Widen(Title);
    const HWND previouslyActive = ::GetActiveWindow();
    {
        const DisabledThreadWindows modal;
        ::MessageBoxW(previouslyActive, text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
    }
    if (previouslyActive && ::IsWindow(previouslyActive))
        ::SetActiveWindow(previouslyActive);
}

Application* Application::Current() {
    return g_application;
}

void Application::HandleException() noexcept {
    if (::GetCapture())
        ::ReleaseCapture();
    if (!g_application)
        return;
    try {
        try {
            throw;
        } catch (const ::Exception& exception) {
            g_application->ShowException(exception);
        } catch (...) {
            g_application->ShowException(::Exception());
        }
    } catch (...) {
        // The box itself failed (out of memory): there is nothing left to show it with.
    }
}

} // namespace win32
