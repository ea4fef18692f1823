#pragma once

#include "Exception.h"
#include "Form.h"
#include "HintWindow.h"

#include <functional>
#include <memory>
#include <string>

namespace win32 {

// The program's one application object: its title, its main window, the message loop and the error box.
// While it exists, every exception that escapes a window's message handling ends in its error box.
class Application {
public:
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The caption of the error box.
    std::string Title;

    // Takes what the application needs from the system: the start-up show command, the common controls,
    // COM for the shell, and the hint window.
    void Initialize();

    // Creates a form owned by the application and stores it in `reference`, which stays null when the
    // construction fails. The first form created is the main window: closing it ends the message loop.
    template <class FormType> void CreateForm(FormType*& reference) {
        auto form = std::make_unique<FormType>();
        reference = form.get();
        if (!m_mainForm) {
            m_mainForm = std::move(form);
            m_clearMainFormReference = [&reference] {
                reference = nullptr;
            };
        }
    }
    Form* MainForm() const { return m_mainForm.get(); }

    // Shows the main window as the program was started (maximised, minimised or normal), takes and
    // dispatches messages, each seen by the hint window first, until the main window has been closed, then
    // releases the main window.
    void Run();

    // The error box: the message by the period rule under the title, OK and the stop icon, every window
    // of the program disabled while it is open and the previously active one activated afterwards.
    void ShowException(const ::Exception& exception);

    // Called inside a catch block of a message handler: releases the mouse capture and shows the
    // exception in the error box; anything that is not an Exception shows as an empty one.
    static void HandleException() noexcept;

    // The application object, while there is one.
    static Application* Current();

private:
    void ReleaseMainForm();

    int m_startupShowCommand = SW_SHOWNORMAL;
    bool m_comInitialized = false;
    HintWindow m_hint;
    std::unique_ptr<Form> m_mainForm;
    std::function<void()> m_clearMainFormReference;
};

} // namespace win32
