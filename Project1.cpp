#include "Unit1.h"
#include "win32/Application.h"
#include "win32/Exception.h"
#include "win32/WinApi.h"

// The program takes no arguments and always ends with exit code 0; a failure during start-up ends in
// the error box first.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    win32::Application application;
    try {
        application.Initialize();
        application.Title = "Termočlánky";
        application.CreateForm(Form1);
        application.Run();
    } catch (const Exception& exception) {
        application.ShowException(exception);
    } catch (...) {
        application.ShowException(Exception());
    }
    return 0;
}
