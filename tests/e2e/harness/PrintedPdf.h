#pragma once

#include "Image.h"

#include <filesystem>
#include <string>
#include <vector>

namespace e2e {

// A word of the page's text and its box, in points from the top left corner of the page as displayed
// (its rotation applied).
struct PdfWord {
    std::string Text;
    double Left = 0;
    double Top = 0;
    double Right = 0;
    double Bottom = 0;
};

// A PDF file that the PDF printer wrote, as poppler's tools read it.
class PrintedPdf {
public:
    explicit PrintedPdf(std::filesystem::path file) : m_file(std::move(file)) {}

    // A field of pdfinfo: "Title", "Pages", "Page rot", ...; empty when there is none.
    std::string Info(const std::string& field) const;
    std::vector<PdfWord> Words() const;
    int ImageCount() const;
    // The first page as displayed, at the resolution in pixels per inch.
    Image Render(int dpi) const;

private:
    std::filesystem::path m_file;
};

// What a shell command wrote to its standard output; throws when it fails.
std::string CommandOutput(const std::string& command);

} // namespace e2e
