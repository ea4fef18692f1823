#pragma once

#include "Wait.h"
#include "WineProgram.h"

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

namespace e2e {

// What the test-only build Termoclanky-ResourceReport.exe holds at one moment
// (tests/variants/ResourceReport.cpp).
struct ResourceSnapshot {
    int GdiObjects = 0;
    std::string
        GdiObjectsByType; // "TYPE:N,..." by the handle table's type code: 1 DC, 4 region, 5 bitmap, ...
    int Windows = 0;
    int Dialogs = 0; // visible message boxes and print dialogs
    std::size_t PrivateBytes = 0;
    int ClientWidth = 0; // of the main window
    int ClientHeight = 0;
    std::string State;         // "normal", "maximized" or "minimized"
    bool InSystemLoop = false; // the system's loop of a frame drag or a menu runs
};
std::ostream& operator<<(std::ostream& out, const ResourceSnapshot& snapshot);

// Asks that build for snapshots through files in its current directory. An answer also proves that the
// program had handled every message before it: a program that does not answer in time hangs.
class ResourceReport {
public:
    // The program's current directory, created empty.
    explicit ResourceReport(std::filesystem::path directory);

    const std::filesystem::path& Directory() const { return m_directory; }
    // How to start the program for it: in that directory, with the commit charge following what is
    // alive. Wine reports the process' resident anonymous memory as its commit charge, and glibc,
    // which Wine's own half uses, raises its mmap threshold to the size of a freed block: a picture
    // of a maximised window, once freed, would otherwise stay resident and be counted.
    Launch ForProgram() const;
    std::optional<ResourceSnapshot> Take(std::chrono::milliseconds timeout = DefaultTimeout);

private:
    std::optional<ResourceSnapshot> Answer(const std::string& label);

    std::filesystem::path m_directory;
    int m_requests = 0;
};

} // namespace e2e
