#include "PlotFrame.h"
#include "PrintedPdf.h"
#include "ProgramTest.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <sstream>
#include <string_view>

namespace e2e {
namespace {

// Where the PDF printer puts its jobs, and the script that takes it away and brings it back.
const std::filesystem::path PrintedDir = TERMO_E2E_PRINTED_DIR;
const std::filesystem::path PrinterScript = TERMO_E2E_PRINTER_SCRIPT;

constexpr const char* PrintDialogTitle = "Print"; // Wine's own dialog
constexpr const char* DialogClass = "#32770";

// The left half of the foot line, "Levé tlačítko myši = Zoom / Unzoom,", in chart coordinates at the
// design size: right of the logo (to x 113) and left of the legend, which moves down to the foot's place
// when the foot is hidden (from x 258).
constexpr Rect FootLineLeftHalf{118, 418, 130, 22};
// Dark pixels of its italic text; none when the foot is hidden.
constexpr int FootLineInk = 40;

bool Dark(Rgb p) {
    return p.R < 100 && p.G < 100 && p.B < 100;
}

// The jobs that CUPS knows of, finished ones included.
int SpooledJobs() {
    std::istringstream lines(CommandOutput("lpstat -W all -o"));
    int count = 0;
    for (std::string line; std::getline(lines, line);)
        count += !line.empty();
    return count;
}

// The box around everything that is not white.
Rect InkBox(const Image& page) {
    int left = page.Width, top = page.Height, right = 0, bottom = 0;
    for (int y = 0; y < page.Height; ++y)
        for (int x = 0; x < page.Width; ++x)
            if (page.At(x, y) != Rgb{255, 255, 255}) {
                left = std::min(left, x), top = std::min(top, y);
                right = std::max(right, x + 1), bottom = std::max(bottom, y + 1);
            }
    return {left, top, right - left, bottom - top};
}

bool HasWord(const std::vector<PdfWord>& words, const std::string& text) {
    return std::ranges::any_of(words, [&](const PdfWord& word) { return word.Text == text; });
}

// A printed axis label's value: thousands separators dropped; Wine's printer driver gives the minus sign
// as a soft hyphen.
std::optional<double> LabelValue(std::string_view text) {
    constexpr std::string_view SoftHyphen = "\u00ad";
    std::string number;
    while (!text.empty()) {
        if (text.starts_with(SoftHyphen)) {
            number += '-';
            text.remove_prefix(SoftHyphen.size());
            continue;
        }
        const char c = text.front();
        text.remove_prefix(1);
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '.')
            number += c;
        else if (c != ',')
            return std::nullopt;
    }
    if (number.empty() || number == "-")
        return std::nullopt;
    return std::stod(number);
}

// The printed labels of an axis, in ascending order: the bottom axis' share their top, the left axis'
// (right-aligned) their right edge, give or take the glyphs' own edges (2 points); the most numbers that
// line up so.
enum class AxisOnPaper { Bottom, Left };
std::vector<double> PrintedLabels(const std::vector<PdfWord>& words, AxisOnPaper axis) {
    std::vector<std::vector<double>> groups;
    std::vector<double> keys;
    for (const PdfWord& word : words) {
        const std::optional<double> value = LabelValue(word.Text);
        if (!value)
            continue;
        const double key = axis == AxisOnPaper::Bottom ? word.Top : word.Right;
        const auto group = std::ranges::find_if(keys, [&](double k) { return std::abs(k - key) < 2; });
        if (group == keys.end()) {
            keys.push_back(key);
            groups.push_back({*value});
        } else {
            groups[group - keys.begin()].push_back(*value);
        }
    }
    if (groups.empty())
        return {};
    std::vector<double> labels = *std::ranges::max_element(groups, {}, &std::vector<double>::size);
    std::ranges::sort(labels);
    return labels;
}

class Printing : public ProgramTest {
protected:
    void SetUp() override { std::filesystem::remove(PrintedJob()); }

    static std::filesystem::path PrintedJob() { return PrintedDir / "Chart2.pdf"; }

    void StartProgram() {
        Start();
        Window = WaitForMainWindow();
        const std::optional<ProbedChild> chart = Window.Child("TChart");
        const std::optional<ProbedChild> button = Window.Child("Button", "Tisk");
        ASSERT_TRUE(chart && button);
        Chart = chart->Outer;
        Button = button->Outer;
        ASSERT_TRUE(WaitUntil([this] { return FootLineShown(); })) << "no foot line at the start";
    }

    bool FootLineShown() {
        const Image foot = Display.Capture(FootLineLeftHalf.Offset(Chart.TopLeft()));
        return std::ranges::count_if(foot.Pixels, Dark) >= FootLineInk;
    }
    bool FootLineHidden() {
        const Image foot = Display.Capture(FootLineLeftHalf.Offset(Chart.TopLeft()));
        return std::ranges::none_of(foot.Pixels, Dark);
    }

    bool PrintDialogShown() {
        const std::optional<ProbedWindow> dialog = ProbeWindow(PrintDialogTitle, DialogClass);
        return dialog && dialog->Visible && !Display.FindWindows(PrintDialogTitle).empty();
    }

    // Clicks "Tisk" and waits for the dialog, which opens over the chart without its foot line.
    void OpenPrintDialog() {
        Display.Click(MouseButton::Left, Button.Centre());
        // The first dialog in a fresh prefix also loads the printer's driver: slow on a busy machine.
        ASSERT_TRUE(WaitUntil([this] { return PrintDialogShown(); }, 60s)) << "no print dialog";
        EXPECT_TRUE(WaitUntil([this] { return FootLineHidden(); })) << "the foot line stayed";
    }

    // The dialog has the keyboard focus: Enter confirms it, Escape cancels it.
    void CloseDialogWith(const char* key) {
        Display.Key(key);
        ASSERT_TRUE(WaitUntil([this] { return !PrintDialogShown(); })) << "the dialog stayed";
    }

    // cups-pdf writes the file before Ghostscript has finished it: the queue must be empty as well.
    bool WaitForPrintedJob() {
        return WaitUntil(
            [] { return std::filesystem::exists(PrintedJob()) && CommandOutput("lpstat -o").empty(); }, 60s);
    }

    ProbedWindow Window;
    Rect Chart;  // screen coordinates
    Rect Button; // screen coordinates
};

TEST_F(Printing, TiskAndEnterGiveOneLandscapePageWithTheChartAlone) {
    StartProgram();
    OpenPrintDialog();
    CloseDialogWith("Return");
    ASSERT_TRUE(WaitForPrintedJob()) << "nothing printed in " << PrintedDir;
    EXPECT_TRUE(WaitUntil([this] { return FootLineShown(); })) << "the foot line did not come back";

    // cups-pdf names the file after the job's title; A4 landscape comes as portrait turned by 90 degrees.
    const PrintedPdf pdf(PrintedJob());
    EXPECT_EQ(pdf.Info("Title"), "Chart2");
    EXPECT_EQ(pdf.Info("Pages"), "1");
    EXPECT_EQ(pdf.Info("Page rot"), "90");

    // The whole printable area is the page here: the chart fills its middle 70 %, inside it.
    const Image page = pdf.Render(50);
    EXPECT_GT(page.Width, page.Height);
    const Rect middle{page.Width * 15 / 100, page.Height * 15 / 100, page.Width * 70 / 100,
                      page.Height * 70 / 100};
    const Rect ink = InkBox(page);
    const Rect tolerance{middle.Left - 1, middle.Top - 1, middle.Width + 2, middle.Height + 2};
    EXPECT_TRUE(tolerance.Contains(ink)) << "drawn " << ink << ", the middle 70 % is " << middle;
    EXPECT_GE(ink.Width, middle.Width * 85 / 100) << "drawn " << ink << " in " << middle;
    EXPECT_GE(ink.Height, middle.Height * 85 / 100) << "drawn " << ink << " in " << middle;

    // The chart's texts without the foot line's; neither the button nor the logo, a bitmap.
    const std::vector<PdfWord> words = pdf.Words();
    for (const char* text : {"Charakteristiky", "termočlánků", "Teplota", "Napětí", "K", "C"})
        EXPECT_TRUE(HasWord(words, text)) << text;
    for (const char* text : {"Levé", "Pravé", "Zoom", "Tisk"})
        EXPECT_FALSE(HasWord(words, text)) << text;
    EXPECT_EQ(pdf.ImageCount(), 0);
}

TEST_F(Printing, ACancelledDialogPrintsNothingAndBringsTheFootLineBack) {
    StartProgram();
    const int jobs = SpooledJobs();
    OpenPrintDialog();
    CloseDialogWith("Escape");
    EXPECT_TRUE(WaitUntil([this] { return FootLineShown(); })) << "the foot line did not come back";
    // A print is spooled by the time the command ends, which brings the foot line back.
    EXPECT_EQ(SpooledJobs(), jobs);
    EXPECT_FALSE(std::filesystem::exists(PrintedJob()));
}

TEST_F(Printing, AfterAZoomThePageShowsTheZoomedRanges) {
    StartProgram();
    const Image start = CaptureClient(Window);
    const Rect plot = FindPlot(start, {start.Width / 2, start.Height / 3}); // client coordinates
    ASSERT_GT(plot.Width, 300) << plot;
    ASSERT_GT(plot.Height, 200) << plot;
    // A left drag right and down zooms into the rectangle it spans. In the full view the axes run
    // from -270 to 2320 degrees and from -9835 to 76373 microvolts, without margins.
    const Point from{plot.Left + plot.Width / 4, plot.Top + plot.Height / 4};
    const Point to{plot.Left + plot.Width / 2, plot.Top + plot.Height * 3 / 5};
    const auto temperature = [&](int x) {
        return -270 + (x - plot.Left) * 2590.0 / plot.Width;
    };
    const auto voltage = [&](int y) {
        return 76373 - (y - plot.Top) * 86208.0 / plot.Height;
    };
    const auto plotPicture = [&] {
        return CaptureClient(Window).Crop(plot).Pixels;
    };
    const std::vector<Rgb> before = plotPicture();
    Display.Drag(MouseButton::Left, from + Window.Client.TopLeft(), to + Window.Client.TopLeft());
    ASSERT_TRUE(WaitUntil([&] { return plotPicture() != before; })) << "no zoom";

    OpenPrintDialog();
    CloseDialogWith("Return");
    ASSERT_TRUE(WaitForPrintedJob()) << "nothing printed in " << PrintedDir;
    const std::vector<PdfWord> words = PrintedPdf(PrintedJob()).Words();

    // Labels lie on the multiples of the increment within the range, both ends included. A pixel of the
    // drag is worth 2590 / plot.Width degrees and 86208 / plot.Height microvolts.
    struct Axis {
        const char* Name;
        std::vector<double> Labels;
        double Minimum, Maximum, Pixel;
    };
    const Axis axes[] = {
        {"bottom", PrintedLabels(words, AxisOnPaper::Bottom), temperature(from.X), temperature(to.X),
         2590.0 / plot.Width},
        {"left", PrintedLabels(words, AxisOnPaper::Left), voltage(to.Y), voltage(from.Y),
         86208.0 / plot.Height},
    };
    for (const Axis& axis : axes) {
        SCOPED_TRACE(axis.Name);
        ASSERT_GE(axis.Labels.size(), 2u);
        const double step = axis.Labels[1] - axis.Labels[0];
        const double slack = 2 * axis.Pixel;
        EXPECT_GE(axis.Labels.front(), axis.Minimum - slack);
        EXPECT_LE(axis.Labels.back(), axis.Maximum + slack);
        EXPECT_LE(axis.Labels.front() - step, axis.Minimum + slack);
        EXPECT_GE(axis.Labels.back() + step, axis.Maximum - slack);
    }
}

// Takes the system's only printer away for the lifetime of the scope.
class NoPrinter {
public:
    NoPrinter() { CommandOutput(PrinterScript.string() + " remove"); }
    ~NoPrinter() {
        try {
            CommandOutput(PrinterScript.string() + " add " + PrintedDir.string());
            // Wine takes in a printer that it has not seen yet at the next program start, some 12 s
            // here: not at the cost of the next test's timeouts.
            WineProgram::Output("winprobe.exe", {"windows", ProgramTitle}, 60s);
        } catch (const std::exception& failure) {
            ADD_FAILURE() << "the printer is not back: " << failure.what();
        }
    }
    NoPrinter(const NoPrinter&) = delete;
    NoPrinter& operator=(const NoPrinter&) = delete;
};

TEST_F(Printing, WithoutAnyPrinterTheErrorBoxSaysSoAndTheWindowGoesOn) {
    const NoPrinter noPrinter; // before the start: Wine reads the printers when a program starts
    StartProgram();
    Display.Click(MouseButton::Left, Button.Centre());
    const ProbedWindow box = WaitForErrorBox();
    EXPECT_EQ(ErrorBoxMessage(box), "There is no default printer currently selected.");
    EXPECT_FALSE(PrintDialogShown());
    Display.Key("Return");
    ASSERT_TRUE(WaitUntil([this] { return !Showing(MessageBoxClass); })) << "the error box stayed";
    EXPECT_TRUE(WaitUntil([this] { return FootLineShown(); })) << "the foot line did not come back";

    const std::optional<ProbedWindow> after = ProbeWindow(ProgramTitle, MainWindowClass);
    ASSERT_TRUE(after);
    EXPECT_TRUE(after->Enabled);
    EXPECT_TRUE(after->Foreground);
    // The focused button clicks again on Enter: the same box.
    Display.Key("Return");
    EXPECT_EQ(ErrorBoxMessage(WaitForErrorBox()), "There is no default printer currently selected.");
    Display.Key("Return");
    EXPECT_TRUE(WaitUntil([this] { return !Showing(MessageBoxClass); })) << "the error box stayed";
    EXPECT_TRUE(WaitUntil([this] { return FootLineShown(); })) << "the foot line did not come back";
}

} // namespace
} // namespace e2e
