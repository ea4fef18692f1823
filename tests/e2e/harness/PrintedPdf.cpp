#include "PrintedPdf.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <string_view>

namespace e2e {
namespace {

// For the shell; our paths hold no quote.
std::string Quoted(const std::filesystem::path& path) {
    std::string quoted(1, '\'');
    quoted += path.string();
    quoted += '\'';
    return quoted;
}

std::string Unescaped(std::string_view text) {
    static const std::array<std::pair<std::string_view, char>, 5> entities{
        {{"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}, {"&amp;", '&'}}};
    std::string result;
    while (!text.empty()) {
        const auto entity =
            std::ranges::find_if(entities, [&](const auto& e) { return text.starts_with(e.first); });
        result += entity == entities.end() ? text.front() : entity->second;
        text.remove_prefix(entity == entities.end() ? 1 : entity->first.size());
    }
    return result;
}

// A binary PPM (P6) with 8-bit samples, as pdftoppm writes it.
Image ReadPpm(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int maximum = 0;
    Image image;
    in >> magic >> image.Width >> image.Height >> maximum;
    in.get();
    if (magic != "P6" || maximum != 255 || image.Width <= 0 || image.Height <= 0)
        throw std::runtime_error("not an 8-bit P6 file: " + path.string());
    image.Pixels.resize(static_cast<std::size_t>(image.Width) * image.Height);
    in.read(reinterpret_cast<char*>(image.Pixels.data()),
            static_cast<std::streamsize>(image.Pixels.size() * sizeof(Rgb)));
    if (!in)
        throw std::runtime_error("truncated: " + path.string());
    return image;
}

} // namespace

std::string CommandOutput(const std::string& command) {
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        throw std::runtime_error("cannot run: " + command);
    std::string output;
    std::array<char, 4096> buffer;
    while (const std::size_t read = fread(buffer.data(), 1, buffer.size(), pipe))
        output.append(buffer.data(), read);
    if (pclose(pipe) != 0)
        throw std::runtime_error("failed: " + command);
    return output;
}

std::string PrintedPdf::Info(const std::string& field) const {
    std::istringstream lines(CommandOutput("pdfinfo " + Quoted(m_file)));
    for (std::string line; std::getline(lines, line);)
        if (line.starts_with(field + ":")) {
            const std::size_t value = line.find_first_not_of(' ', field.size() + 1);
            return value == std::string::npos ? "" : line.substr(value);
        }
    return "";
}

std::vector<PdfWord> PrintedPdf::Words() const {
    const std::string xhtml = CommandOutput("pdftotext -bbox " + Quoted(m_file) + " -");
    static const std::regex word(
        R"re(<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">([^<]*)</word>)re");
    std::vector<PdfWord> words;
    for (auto it = std::sregex_iterator(xhtml.begin(), xhtml.end(), word); it != std::sregex_iterator(); ++it)
        words.push_back({Unescaped((*it)[5].str()), std::stod((*it)[1]), std::stod((*it)[2]),
                         std::stod((*it)[3]), std::stod((*it)[4])});
    return words;
}

int PrintedPdf::ImageCount() const {
    // Two lines of heading, then one line per image.
    std::istringstream lines(CommandOutput("pdfimages -list " + Quoted(m_file)));
    int count = -2;
    for (std::string line; std::getline(lines, line);)
        count += !line.empty();
    return count;
}

Image PrintedPdf::Render(int dpi) const {
    const std::filesystem::path stem = m_file.parent_path() / (m_file.stem().string() + "-rendered");
    CommandOutput("pdftoppm -r " + std::to_string(dpi) + " -singlefile " + Quoted(m_file) + " " +
                  Quoted(stem));
    return ReadPpm(stem.string() + ".ppm");
}

} // namespace e2e
