#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace e2e {

// The program that Wine hands web addresses to (setup.sh registered its path): a recorder of every
// address it is handed, one a line, in a file of the running test's own, or nothing at all.
class StandInBrowser {
public:
    StandInBrowser();
    ~StandInBrowser() { Remove(); }
    StandInBrowser(const StandInBrowser&) = delete;
    StandInBrowser& operator=(const StandInBrowser&) = delete;

    void InstallRecorder();
    void Remove();
    std::vector<std::string> Opened() const;

private:
    std::filesystem::path m_record;
};

} // namespace e2e
