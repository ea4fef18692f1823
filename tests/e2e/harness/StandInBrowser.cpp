#include "StandInBrowser.h"

#include "WineProgram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace e2e {

StandInBrowser::StandInBrowser() {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "." + test->name();
    std::ranges::replace(name, '/', '.');
    m_record = TestEnvironment::Get().OutputDir / (name + ".opened.txt");
    std::filesystem::remove(m_record);
}

void StandInBrowser::InstallRecorder() {
    // Written aside and renamed into place, so that it is never started half-written.
    const std::filesystem::path browser = TestEnvironment::Get().Browser;
    const std::filesystem::path written = browser.string() + ".new";
    std::ofstream(written) << "#!/bin/sh\nprintf '%s\\n' \"$*\" >>'" << m_record.string() << "'\n";
    std::filesystem::permissions(written, std::filesystem::perms::owner_all);
    std::filesystem::rename(written, browser);
}

void StandInBrowser::Remove() {
    std::filesystem::remove(TestEnvironment::Get().Browser);
}

std::vector<std::string> StandInBrowser::Opened() const {
    std::vector<std::string> addresses;
    std::ifstream record(m_record);
    for (std::string line; std::getline(record, line);)
        addresses.push_back(line);
    return addresses;
}

} // namespace e2e
