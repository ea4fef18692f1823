// The end-to-end tests' eyes and hands inside Wine: a console program that reports, as the window
// system sees them, the top-level windows with a given title and their child windows, or the tooltips;
// that gives windows a system command; and that starts a program with a given show command.
//
//   winprobe.exe windows TITLE
//   winprobe.exe tooltips
//   winprobe.exe syscommand TITLE minimize|maximize|restore|close
//   winprobe.exe run SHOW PROGRAM
//
// windows and tooltips: one line per window, tab-separated key=value fields, the text last:
//   window  handle class visible enabled foreground iconic zoomed focus outer client x11 text
//   child   handle parent class visible enabled outer text
//   tooltip handle visible outer text
// Rectangles are screen coordinates: outer = left,top,right,bottom; client = left,top,width,height.
// focus is the handle holding the keyboard focus in the window's thread; x11 the window's X11 id. A
// tooltip's text is the tip it shows, as it tells when asked (WM_GETTEXT): its window has no title.
// syscommand posts the command to every visible top-level window with the title, as the taskbar
// button's menu does (the test display has no taskbar), and prints how many windows it reached.
// run starts PROGRAM with STARTUPINFO's show command SHOW (a number: SW_SHOWMINNOACTIVE is 7, which
// Wine's `start` cannot give), waits for it and ends with its exit code.
#include "win32/WinApi.h"

#include <commctrl.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

std::string Utf8(std::wstring_view text) {
    std::string result(::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                             0, nullptr, nullptr),
                       '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(),
                          static_cast<int>(result.size()), nullptr, nullptr);
    return result;
}

std::string Hex(const void* handle) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%llx",
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(handle)));
    return text;
}

std::wstring WindowText(HWND window) {
    wchar_t text[1024]{};
    ::GetWindowTextW(window, text, static_cast<int>(std::size(text)));
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256]{};
    ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return name;
}

// Line breaks would end the line: they are written as \n.
std::string Escaped(const std::wstring& text) {
    std::string result;
    for (char c : Utf8(text)) {
        if (c == '\r')
            continue;
        result += c == '\n' ? std::string("\\n") : std::string(1, c);
    }
    return result;
}

std::string Rectangle(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

std::string Flag(BOOL value) {
    return value ? "1" : "0";
}

BOOL CALLBACK Collect(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

// Top to bottom, as one list taken at once: a walk from window to window ends early when the window it
// stands on is destroyed meanwhile, as the desktop's own windows are when it shuts down.
std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> windows;
    ::EnumWindows(Collect, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::vector<HWND> ChildWindows(HWND parent) {
    std::vector<HWND> windows;
    ::EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

void Report(HWND window) {
    RECT outer{}, client{};
    ::GetWindowRect(window, &outer);
    ::GetClientRect(window, &client);
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &thread);
    std::printf(
        "window\thandle=%s\tclass=%s\tvisible=%s\tenabled=%s\tforeground=%s\ticonic=%s\tzoomed=%s"
        "\tfocus=%s\touter=%s\tclient=%ld,%ld,%ld,%ld\tx11=%s\ttext=%s\n",
        Hex(window).c_str(), Escaped(ClassOf(window)).c_str(), Flag(::IsWindowVisible(window)).c_str(),
        Flag(::IsWindowEnabled(window)).c_str(), Flag(::GetForegroundWindow() == window).c_str(),
        Flag(::IsIconic(window)).c_str(), Flag(::IsZoomed(window)).c_str(), Hex(thread.hwndFocus).c_str(),
        Rectangle(outer).c_str(), origin.x, origin.y, client.right, client.bottom,
        Hex(::GetPropW(window, L"__wine_x11_whole_window")).c_str(), Escaped(WindowText(window)).c_str());
    for (HWND child : ChildWindows(window)) {
        RECT rect{};
        ::GetWindowRect(child, &rect);
        std::printf("child\thandle=%s\tparent=%s\tclass=%s\tvisible=%s\tenabled=%s\touter=%s\ttext=%s\n",
                    Hex(child).c_str(), Hex(::GetParent(child)).c_str(), Escaped(ClassOf(child)).c_str(),
                    Flag(::IsWindowVisible(child)).c_str(), Flag(::IsWindowEnabled(child)).c_str(),
                    Rectangle(rect).c_str(), Escaped(WindowText(child)).c_str());
    }
}

// The tip a tooltip shows; empty when its program does not answer within a second.
std::wstring TooltipText(HWND tooltip) {
    wchar_t text[1024]{};
    DWORD_PTR copied = 0;
    ::SendMessageTimeoutW(tooltip, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text),
                          SMTO_ABORTIFHUNG, 1000, &copied);
    return text;
}

void ReportTooltip(HWND tooltip) {
    RECT outer{};
    ::GetWindowRect(tooltip, &outer);
    std::printf("tooltip\thandle=%s\tvisible=%s\touter=%s\ttext=%s\n", Hex(tooltip).c_str(),
                Flag(::IsWindowVisible(tooltip)).c_str(), Rectangle(outer).c_str(),
                Escaped(TooltipText(tooltip)).c_str());
}

std::optional<WPARAM> SystemCommand(std::wstring_view name) {
    struct Named {
        std::wstring_view Name;
        WPARAM Command;
    };
    constexpr Named commands[] = {{L"minimize", SC_MINIMIZE},
                                  {L"maximize", SC_MAXIMIZE},
                                  {L"restore", SC_RESTORE},
                                  {L"close", SC_CLOSE}};
    for (const Named& command : commands)
        if (command.Name == name)
            return command.Command;
    return std::nullopt;
}

int ListWindows(const std::wstring& title) {
    for (HWND window : TopLevelWindows())
        if (WindowText(window) == title)
            Report(window);
    return 0;
}

int ListTooltips() {
    for (HWND window : TopLevelWindows())
        if (ClassOf(window) == TOOLTIPS_CLASSW)
            ReportTooltip(window);
    return 0;
}

int PostSystemCommand(const std::wstring& title, WPARAM command) {
    int reached = 0;
    for (HWND window : TopLevelWindows())
        if (WindowText(window) == title && ::IsWindowVisible(window) &&
            ::PostMessageW(window, WM_SYSCOMMAND, command, 0))
            ++reached;
    std::printf("%d\n", reached);
    return 0;
}

int Run(int showCommand, const std::wstring& program) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    std::wstring commandLine = L"\"" + program + L"\"";
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process)) {
        std::fprintf(stderr, "cannot start the program: error %lu\n", ::GetLastError());
        return 127;
    }
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 0;
    ::GetExitCodeProcess(process.hProcess, &exitCode);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return static_cast<int>(exitCode);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const std::vector<std::wstring> arguments(argv + 1, argv + argc);
    int result = 2;
    if (arguments.size() == 2 && arguments[0] == L"windows")
        result = ListWindows(arguments[1]);
    else if (arguments.size() == 1 && arguments[0] == L"tooltips")
        result = ListTooltips();
    else if (const std::optional<WPARAM> command = arguments.size() == 3 && arguments[0] == L"syscommand"
                                                       ? SystemCommand(arguments[2])
                                                       : std::nullopt)
        result = PostSystemCommand(arguments[1], *command);
    else if (arguments.size() == 3 && arguments[0] == L"run")
        result = Run(std::stoi(arguments[1]), arguments[2]);
    else
        std::fprintf(stderr, "usage: winprobe.exe windows TITLE\n"
                             "       winprobe.exe tooltips\n"
                             "       winprobe.exe syscommand TITLE minimize|maximize|restore|close\n"
                             "       winprobe.exe run SHOW PROGRAM\n");
    std::fflush(stdout);
    return result;
}
