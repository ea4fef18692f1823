#include "ProcessResources.h"

#include "win32/WinApi.h"

#include <psapi.h>
#include <winternl.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

// GetGuiResources is a stub under Wine (always 0). Wine keeps the process' GDI handle table exact
// instead: PEB->GdiSharedHandleTable holds 0x10000 entries of 24 bytes, and an entry is in use while
// its Type byte (offset 14) is not 0. The field lies at offset 0xF8 of the 64-bit PEB.
constexpr std::size_t GdiTableOffsetInPeb = 0xF8;
constexpr std::size_t GdiTableEntries = 0x10000;
constexpr std::size_t GdiEntrySize = 24;
constexpr std::size_t GdiEntryTypeOffset = 14;
static_assert(sizeof(void*) == 8, "the table's layout above is the 64-bit one");

std::map<int, int> CountGdiObjects() {
    std::map<int, int> byType;
    PROCESS_BASIC_INFORMATION process{};
    if (::NtQueryInformationProcess(::GetCurrentProcess(), ProcessBasicInformation, &process, sizeof process,
                                    nullptr) != 0)
        return byType;
    const auto* peb = reinterpret_cast<const std::uint8_t*>(process.PebBaseAddress);
    const std::uint8_t* table = nullptr;
    std::memcpy(&table, peb + GdiTableOffsetInPeb, sizeof table);
    if (!table)
        return byType;
    for (std::size_t i = 0; i < GdiTableEntries; ++i)
        if (const int type = table[i * GdiEntrySize + GdiEntryTypeOffset])
            ++byType[type];
    return byType;
}

struct WindowCount {
    int Windows = 0;
    int Dialogs = 0;
};

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++reinterpret_cast<WindowCount*>(count)->Windows;
    return TRUE;
}

void CountWithChildren(HWND window, WindowCount& count) {
    ++count.Windows;
    ::EnumChildWindows(window, &CountChild, reinterpret_cast<LPARAM>(&count));
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM count) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process != ::GetCurrentProcessId())
        return TRUE;
    WindowCount& counted = *reinterpret_cast<WindowCount*>(count);
    CountWithChildren(window, counted);
    wchar_t className[16]{};
    ::GetClassNameW(window, className, static_cast<int>(std::size(className)));
    counted.Dialogs += ::IsWindowVisible(window) && std::wstring_view(className) == L"#32770";
    return TRUE;
}

WindowCount CountWindows() {
    WindowCount count;
    ::EnumWindows(&CountTopLevel, reinterpret_cast<LPARAM>(&count));
    // Message-only windows are not top-level windows: EnumWindows does not see them.
    for (HWND window = nullptr; (window = ::FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr));) {
        DWORD process = 0;
        ::GetWindowThreadProcessId(window, &process);
        if (process == ::GetCurrentProcessId())
            CountWithChildren(window, count);
    }
    return count;
}

// The commit charge. On Windows PrivateUsage and PagefileUsage both hold it; Wine 8 fills only
// PagefileUsage (PrivateUsage stays 0).
std::size_t PrivateBytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (!::K32GetProcessMemoryInfo(::GetCurrentProcess(),
                                   reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters))
        return 0;
    return std::max(counters.PrivateUsage, counters.PagefileUsage);
}

} // namespace

ProcessResources MeasureProcessResources() {
    const WindowCount windows = CountWindows();
    ProcessResources resources{.GdiObjectsByType = CountGdiObjects(),
                               .Windows = windows.Windows,
                               .Dialogs = windows.Dialogs,
                               .PrivateBytes = PrivateBytes()};
    for (const auto& [type, count] : resources.GdiObjectsByType)
        resources.GdiObjects += count;
    return resources;
}
