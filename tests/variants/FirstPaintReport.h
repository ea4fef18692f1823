#pragma once

#include "win32/WinApi.h"

#include <cstdint>
#include <fstream>

// For the start-up benchmark (bench/startup.sh): writes the wall-clock time, in nanoseconds since 1970,
// to first-paint.txt in the current directory.
inline void WriteFirstPaintTime() {
    FILETIME now{};
    ::GetSystemTimePreciseAsFileTime(&now);
    // FILETIME counts 100 ns from 1601-01-01; 11644473600 s lie between 1601 and 1970.
    const std::uint64_t ticks = (std::uint64_t{now.dwHighDateTime} << 32) | now.dwLowDateTime;
    const std::uint64_t unixNanoseconds = (ticks - 116444736000000000ULL) * 100;
    std::ofstream("first-paint.txt") << unixNanoseconds << '\n';
}
