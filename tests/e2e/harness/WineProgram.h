#pragma once

#include "Wait.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

// Where the test run's display and Wine prefix are, as tests/e2e/setup.sh prepared them in the build
// directory, and where the Windows programs and the tests' output lie.
struct TestEnvironment {
    std::string Display;              // ":N"
    std::filesystem::path Prefix;     // WINEPREFIX, its server kept alive for the run
    std::filesystem::path ProgramDir; // the win64 build: the program, its test-only variants, the probe
    std::filesystem::path SourceDir;  // the repository
    std::filesystem::path OutputDir;  // screenshots and logs of this run
    std::filesystem::path Browser;    // the one program Wine hands web addresses to; the tests put it there

    // The run directory is the build's (tests/e2e/setup.sh RUN_DIR), unless TERMO_E2E_RUN_DIR names
    // another one prepared the same way (a test needing a display of another size).
    static const TestEnvironment& Get();
};

// A variable the program gets on top of the test run's environment, e.g. {"LC_ALL", "cs_CZ.UTF-8"}: Wine
// takes the user's regional settings from the locale variables.
struct EnvironmentVariable {
    std::string Name;
    std::string Value;
};

// How a program is started: `wine64 [THROUGH...] PROGRAM [ARGUMENTS...]` in a current directory, the
// test's own unless given, with extra environment variables. Through a starter the program gets a show
// command other than the default, e.g. {"start", "/wait", "/max", "/unix"}; the starter must wait for
// the program and end with its exit code. The program's path is a Unix path.
struct Launch {
    std::vector<std::string> Arguments = {};
    std::filesystem::path WorkingDirectory = {};
    std::vector<std::string> Through = {};
    std::vector<EnvironmentVariable> Environment = {};
};

// A Windows program started under wine64 in the test run's prefix and display; killed with the object
// if it is still running.
class WineProgram {
public:
    // exe: a file name in ProgramDir (e.g. "Termoclanky.exe"); its output goes to a log in OutputDir.
    explicit WineProgram(const std::string& exe, const Launch& launch = {});
    WineProgram(const std::string& exe, const std::vector<std::string>& arguments,
                const std::vector<EnvironmentVariable>& environment = {})
        : WineProgram(exe, Launch{.Arguments = arguments, .Environment = environment}) {}
    ~WineProgram();
    WineProgram(const WineProgram&) = delete;
    WineProgram& operator=(const WineProgram&) = delete;

    // The exit code once the program has ended within the timeout; nothing if it still runs.
    std::optional<int> WaitForExit(std::chrono::milliseconds timeout = DefaultTimeout);
    bool Running();
    void Kill();

    // Runs a program to its end and returns what it wrote to its standard output. The first program of a
    // fresh prefix also takes in the system's printers, which can take long on a busy machine.
    static constexpr std::chrono::milliseconds OutputTimeout = 60s;
    static std::string Output(const std::string& exe, const Launch& launch,
                              std::chrono::milliseconds timeout = OutputTimeout);
    static std::string Output(const std::string& exe, const std::vector<std::string>& arguments,
                              std::chrono::milliseconds timeout = OutputTimeout) {
        return Output(exe, Launch{.Arguments = arguments}, timeout);
    }

private:
    int m_pid = -1;
    std::optional<int> m_exitCode;
};

} // namespace e2e
