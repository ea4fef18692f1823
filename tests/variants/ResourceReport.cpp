// Test-only build for the leak and reliability tests: on request it reports what the process holds.
//
// The test writes a label (one word) to resources.request in the program's current directory; within
// ResourcePollInterval the program deletes the request and appends one line to resources.txt:
//   LABEL gdi=N windows=N dialogs=N private=BYTES client=WxH state=normal|maximized|minimized sysloop=0|1
//         gditypes=TYPE:N,TYPE:N,...
// The request is served by a thread timer in the program's message loop (and in the system's loops of
// its modal boxes, frame drags and menus), once nothing is waiting in the queue: so a line also proves
// that the program has handled all input sent before the request, and painted.
#include "ProcessResources.h"
#include "TestVariant.h"
#include "Unit1.h"
#include "win32/WinApi.h"

#include <fstream>
#include <sstream>
#include <string>
#include <utility>

namespace test_variant {
namespace {

constexpr UINT ResourcePollInterval = 50; // ms
constexpr wchar_t RequestFile[] = L"resources.request";
constexpr char ReportFile[] = "resources.txt";

const char* WindowState(HWND window) {
    if (::IsIconic(window))
        return "minimized";
    return ::IsZoomed(window) ? "maximized" : "normal";
}

// Whether the thread runs the system's loop of a frame drag or of a menu, which also serves requests.
bool InSystemLoop() {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    return ::GetGUIThreadInfo(::GetCurrentThreadId(), &thread) &&
           (thread.flags & (GUI_INMOVESIZE | GUI_INMENUMODE)) != 0;
}

void Report(const std::string& label) {
    const ProcessResources resources = MeasureProcessResources();
    RECT client{};
    const HWND form = Form1 ? Form1->Handle() : nullptr;
    if (form)
        ::GetClientRect(form, &client);
    std::ostringstream line;
    line << label << " gdi=" << resources.GdiObjects << " windows=" << resources.Windows
         << " dialogs=" << resources.Dialogs << " private=" << resources.PrivateBytes
         << " client=" << client.right << 'x' << client.bottom
         << " state=" << (form ? WindowState(form) : "none") << " sysloop=" << InSystemLoop() << " gditypes=";
    const char* separator = "";
    for (const auto& [type, count] : resources.GdiObjectsByType)
        line << std::exchange(separator, ",") << type << ':' << count;
    line << '\n';
    // One write of the whole line: the test never reads half of one.
    std::ofstream(ReportFile, std::ios::app) << line.str() << std::flush;
}

// Under Wine, PeekMessage first turns the X events already received into queued input: input that a
// test sent before its request is in the queue by then, or has been handled.
bool Idle() {
    MSG message;
    ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
    return HIWORD(::GetQueueStatus(QS_INPUT | QS_POSTMESSAGE | QS_PAINT)) == 0;
}

void CALLBACK ServeRequest(HWND, UINT, UINT_PTR, DWORD) {
    if (!Idle())
        return;
    std::string label;
    if (!(std::ifstream(RequestFile) >> label))
        return;
    ::DeleteFileW(RequestFile);
    Report(label);
}

} // namespace

void FormConstructed() {
    ::SetTimer(nullptr, 0, ResourcePollInterval, &ServeRequest);
}
void ButtonClicked() {}
void ChartPainted() {}

} // namespace test_variant
