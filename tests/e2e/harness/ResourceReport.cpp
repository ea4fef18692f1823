#include "ResourceReport.h"

#include <fstream>
#include <map>
#include <sstream>

namespace e2e {
namespace {

constexpr const char* RequestFile = "resources.request";
constexpr const char* ReportFile = "resources.txt";

} // namespace

std::ostream& operator<<(std::ostream& out, const ResourceSnapshot& s) {
    return out << "gdi " << s.GdiObjects << " (" << s.GdiObjectsByType << "), windows " << s.Windows
               << ", dialogs " << s.Dialogs << ", private " << s.PrivateBytes / 1024 << " KiB, client "
               << s.ClientWidth << " x " << s.ClientHeight << ", " << s.State;
}

ResourceReport::ResourceReport(std::filesystem::path directory) : m_directory(std::move(directory)) {
    std::filesystem::remove_all(m_directory);
    std::filesystem::create_directories(m_directory);
}

Launch ResourceReport::ForProgram() const {
    return {.WorkingDirectory = m_directory, .Environment = {{"MALLOC_MMAP_THRESHOLD_", "131072"}}};
}

std::optional<ResourceSnapshot> ResourceReport::Take(std::chrono::milliseconds timeout) {
    const std::string label = std::to_string(++m_requests);
    // Renamed into place, so that the program never reads half a request.
    const std::filesystem::path pending = m_directory / "resources.request.new";
    std::ofstream(pending) << label << '\n';
    std::filesystem::rename(pending, m_directory / RequestFile);
    return WaitFor([&] { return Answer(label); }, timeout);
}

// A line: LABEL gdi=N windows=N dialogs=N private=BYTES client=WxH state=S sysloop=0|1 gditypes=T:N,...
std::optional<ResourceSnapshot> ResourceReport::Answer(const std::string& label) {
    std::ifstream report(m_directory / ReportFile);
    std::string line;
    while (std::getline(report, line)) {
        std::istringstream fields(line);
        std::string first;
        if (!(fields >> first) || first != label || report.eof())
            continue; // another label, or the last line still being written
        std::map<std::string, std::string> values;
        for (std::string field; fields >> field;)
            if (const auto equals = field.find('='); equals != std::string::npos)
                values[field.substr(0, equals)] = field.substr(equals + 1);
        ResourceSnapshot snapshot;
        snapshot.GdiObjects = std::stoi(values["gdi"]);
        snapshot.Windows = std::stoi(values["windows"]);
        snapshot.Dialogs = std::stoi(values["dialogs"]);
        snapshot.PrivateBytes = std::stoull(values["private"]);
        const std::string& client = values["client"];
        const auto x = client.find('x');
        snapshot.ClientWidth = std::stoi(client.substr(0, x));
        snapshot.ClientHeight = std::stoi(client.substr(x + 1));
        snapshot.State = values["state"];
        snapshot.InSystemLoop = values["sysloop"] == "1";
        snapshot.GdiObjectsByType = values["gditypes"];
        return snapshot;
    }
    return std::nullopt;
}

} // namespace e2e
