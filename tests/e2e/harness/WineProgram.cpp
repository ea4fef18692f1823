#include "WineProgram.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace e2e {
namespace {

constexpr const char* Wine64 = "/usr/lib/wine/wine64";

// Starts wine64 with the program; the child's standard output goes to outputFd.
int Spawn(const std::string& exe, const Launch& launch, int outputFd) {
    const TestEnvironment& environment = TestEnvironment::Get();
    const std::string program = (environment.ProgramDir / exe).string();
    if (!std::filesystem::exists(program))
        throw std::runtime_error(program + " is missing: build the win64 preset first");
    const pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        setenv("WINEPREFIX", environment.Prefix.c_str(), 1);
        setenv("DISPLAY", environment.Display.c_str(), 1);
        setenv("WINEDEBUG", "-all", 1);
        setenv("WINEDLLOVERRIDES", "mscoree,mshtml=", 1);
        setenv("LANG", "C.UTF-8", 1);
        unsetenv("LC_ALL");
        for (const EnvironmentVariable& variable : launch.Environment)
            setenv(variable.Name.c_str(), variable.Value.c_str(), 1);
        dup2(outputFd, STDOUT_FILENO);
        const int log =
            open((environment.OutputDir / "wine.log").c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        dup2(log >= 0 ? log : outputFd, STDERR_FILENO);
        const int nothing = open("/dev/null", O_RDONLY);
        dup2(nothing, STDIN_FILENO);
        if (!launch.WorkingDirectory.empty() && chdir(launch.WorkingDirectory.c_str()) != 0)
            _exit(126);
        std::vector<char*> argv{const_cast<char*>(Wine64)};
        for (const std::string& starter : launch.Through)
            argv.push_back(const_cast<char*>(starter.c_str()));
        argv.push_back(const_cast<char*>(program.c_str()));
        for (const std::string& argument : launch.Arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execv(Wine64, argv.data());
        _exit(127);
    }
    return pid;
}

std::optional<int> ExitCodeOf(int status) {
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    return 128 + WTERMSIG(status);
}

} // namespace

const TestEnvironment& TestEnvironment::Get() {
    static const TestEnvironment environment = [] {
        const char* runDirOverride = std::getenv("TERMO_E2E_RUN_DIR");
        const std::filesystem::path runDir =
            runDirOverride && *runDirOverride ? runDirOverride : TERMO_E2E_RUN_DIR;
        std::ifstream displayFile(runDir / "display");
        std::string number;
        displayFile >> number;
        if (number.empty())
            throw std::runtime_error("no display in " + (runDir / "display").string() +
                                     ": run the tests through ctest");
        TestEnvironment result{.Display = ":" + number,
                               .Prefix = runDir / "prefix",
                               .ProgramDir = TERMO_E2E_PROGRAM_DIR,
                               .SourceDir = TERMO_E2E_SOURCE_DIR,
                               .OutputDir = runDir / "output",
                               .Browser = runDir / "browser"};
        std::filesystem::create_directories(result.OutputDir);
        return result;
    }();
    return environment;
}

WineProgram::WineProgram(const std::string& exe, const Launch& launch) {
    const int log =
        open((TestEnvironment::Get().OutputDir / "wine.log").c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    m_pid = Spawn(exe, launch, log);
    close(log);
}

WineProgram::~WineProgram() {
    Kill();
}

bool WineProgram::Running() {
    if (m_exitCode || m_pid < 0)
        return false;
    int status = 0;
    if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
        m_exitCode = ExitCodeOf(status);
        return false;
    }
    return true;
}

std::optional<int> WineProgram::WaitForExit(std::chrono::milliseconds timeout) {
    WaitUntil([this] { return !Running(); }, timeout);
    return m_exitCode;
}

void WineProgram::Kill() {
    if (!Running())
        return;
    kill(m_pid, SIGKILL);
    int status = 0;
    waitpid(m_pid, &status, 0);
    m_exitCode = ExitCodeOf(status);
}

std::string WineProgram::Output(const std::string& exe, const Launch& launch,
                                std::chrono::milliseconds timeout) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        throw std::runtime_error("pipe failed");
    const int pid = Spawn(exe, launch, pipeFds[1]);
    close(pipeFds[1]);
    fcntl(pipeFds[0], F_SETFL, O_NONBLOCK);
    std::string output;
    int status = 0;
    bool ended = false;
    const bool finished = WaitUntil(
        [&] {
            char buffer[4096];
            ssize_t got;
            while ((got = read(pipeFds[0], buffer, sizeof buffer)) > 0)
                output.append(buffer, static_cast<std::size_t>(got));
            if (!ended)
                ended = waitpid(pid, &status, WNOHANG) == pid;
            return ended && got == 0;
        },
        timeout);
    close(pipeFds[0]);
    if (!finished) {
        kill(pid, SIGKILL);
        if (!ended)
            waitpid(pid, &status, 0);
        throw std::runtime_error(exe + " did not finish in time");
    }
    return output;
}

} // namespace e2e
