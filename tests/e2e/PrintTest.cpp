#include "PrintedPdf.h"
#include "ProgramTest.h"

#include <algorithm>
#include <filesystem>
#include <sstream>

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

class Printing : public ProgramTest {
protected:
    void SetUp() override { std::filesystem::remove(PrintedJob()); }

    static std::filesystem::path PrintedJob() { return PrintedDir / "Chart2.pdf"; }

    void StartProgram() {
        // Wine takes in a printer that it has not seen yet when the next program starts, which takes some
        // 12 s here; a program started alongside would wait for it.
        WineProgram::Output("winprobe.exe", {"windows", ProgramTitle}, 60s);
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
        ASSERT_TRUE(WaitUntil([this] { return PrintDialogShown(); })) << "no print dialog";
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

// Takes the system's only printer away for the lifetime of the scope.
class NoPrinter {
public:
    NoPrinter() { CommandOutput(PrinterScript.string() + " remove"); }
    ~NoPrinter() { CommandOutput(PrinterScript.string() + " add " + PrintedDir.string()); }
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
