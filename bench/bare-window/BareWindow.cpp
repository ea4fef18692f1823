// The start-up benchmark's yardstick: a bare Win32 program that opens an empty window of the main
// window's size and reports the end of its first paint as the program's FirstPaint build does.
#include "tests/variants/FirstPaintReport.h"

namespace {

LRESULT CALLBACK BareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        ::BeginPaint(window, &paint);
        ::EndPaint(window, &paint);
        WriteFirstPaintTime();
        ::PostQuitMessage(0);
        return 0;
    }
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = BareWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"BareWindow";
    ::RegisterClassExW(&windowClass);
    RECT outer{0, 0, 717, 449};
    ::AdjustWindowRectEx(&outer, WS_OVERLAPPEDWINDOW, FALSE, 0);
    const HWND window =
        ::CreateWindowExW(0, L"BareWindow", L"Bare", WS_OVERLAPPEDWINDOW, 239, 190, outer.right - outer.left,
                          outer.bottom - outer.top, nullptr, nullptr, instance, nullptr);
    ::ShowWindow(window, showCommand);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}
