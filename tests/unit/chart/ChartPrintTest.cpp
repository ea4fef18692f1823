#include "RecordingCanvas.h"
#include "ThermoCurves.h"

#include "chart/Chart.h"
#include "chart/ChartPrint.h"
#include "chart/Style.h"
#include "win32/Exception.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <span>
#include <string>
#include <vector>

using namespace chart;
using chart::testing::AddThermoCurves;
using chart::testing::RecordingCanvas;
using Kind = RecordingCanvas::Kind;
using Call = RecordingCanvas::Call;
using Log = std::vector<std::string>;

namespace {

constexpr Size DesignSize{726, 455};

// Where a failure is injected: the dialog, one of the printer's operations, or the drawing on the page.
enum class Step { None, Dialog, GetOrientation, SetLandscape, PageSize, BeginDoc, Draw, EndDoc, SetBack };

struct Injected {
    Step Where = Step::None;
    const char* Message = "";
    bool SetBackFails = false; // setting the orientation back fails too, after the failure above

    void FailAt(Step step) const {
        if (step == Where)
            throw Exception(Message);
        if (step == Step::SetBack && SetBackFails)
            throw Exception("Operation not supported on selected printer");
    }
};

// The page: records what is drawn, keeps count of saved clips, and fails on the first curve when asked.
class FakePage final : public RecordingCanvas {
public:
    explicit FakePage(const Injected& failure) : m_failure(failure) {}

    void Polyline(std::span<const Point> points, const Pen& pen) override {
        m_failure.FailAt(Step::Draw);
        RecordingCanvas::Polyline(points, pen);
    }
    void SaveState() override {
        ++SavedStates;
        RecordingCanvas::SaveState();
    }
    void RestoreState() override {
        --SavedStates;
        RecordingCanvas::RestoreState();
    }

    int SavedStates = 0;

private:
    const Injected& m_failure;
};

const char* NameOf(Orientation orientation) {
    return orientation == Orientation::Landscape ? "Landscape" : "Portrait";
}

// A printer that keeps the printer object's rules: a 6000 x 4000 printable area in landscape
// (4000 x 6000 in portrait); no orientation change and no second job while a job is open.
class FakePrinter final : public PagePrinter {
public:
    FakePrinter(Orientation orientation, const Injected& failure)
        : Current(orientation), Page(failure), m_failure(failure) {}

    Orientation GetOrientation() override {
        Calls.push_back("GetOrientation");
        m_failure.FailAt(Step::GetOrientation);
        return Current;
    }
    void SetOrientation(Orientation orientation) override {
        Calls.push_back(std::string("SetOrientation ") + NameOf(orientation));
        m_failure.FailAt(++m_orientationChanges == 1 ? Step::SetLandscape : Step::SetBack);
        if (JobOpen)
            throw Exception("Printing in progress");
        Current = orientation;
    }
    Size PageSize() override {
        Calls.push_back("PageSize");
        m_failure.FailAt(Step::PageSize);
        return Current == Orientation::Landscape ? Size{6000, 4000} : Size{4000, 6000};
    }
    void BeginDoc(std::string_view title) override {
        Calls.push_back("BeginDoc " + std::string(title));
        m_failure.FailAt(Step::BeginDoc);
        if (JobOpen)
            throw Exception("Printing in progress");
        JobOpen = true;
    }
    Canvas& PageCanvas() override {
        EXPECT_TRUE(JobOpen) << "drawing without a job";
        return Page;
    }
    void SetPageMapping(Size logical, Size device) override {
        EXPECT_TRUE(JobOpen) << "a mapping without a page";
        Calls.push_back("SetPageMapping " + Text(logical) + " onto " + Text(device));
        ++Mappings;
    }
    void RestorePageMapping() override {
        Calls.push_back("RestorePageMapping");
        --Mappings;
    }
    void EndDoc() override {
        Calls.push_back("EndDoc");
        EXPECT_TRUE(JobOpen) << "ending no job";
        m_failure.FailAt(Step::EndDoc);
        JobOpen = false;
        ++PrintedJobs;
    }
    void Abort() override {
        Calls.push_back("Abort");
        JobOpen = false;
    }

    Orientation Current;
    bool JobOpen = false;
    int PrintedJobs = 0;
    int Mappings = 0; // set and not yet restored
    FakePage Page;
    Log Calls;

private:
    static std::string Text(Size size) {
        return std::to_string(size.Width) + "x" + std::to_string(size.Height);
    }

    const Injected& m_failure;
    int m_orientationChanges = 0;
};

const Log PrinterCallsOfAPrint = {"GetOrientation",
                                  "SetOrientation Landscape",
                                  "PageSize",
                                  "BeginDoc Chart2",
                                  "SetPageMapping 726x455 onto 4200x2800",
                                  "RestorePageMapping",
                                  "EndDoc",
                                  "SetOrientation Portrait"};

// A chart filled as the window fills it, the print command with a dialog that the user confirms or
// cancels, and what the window would see.
struct PrintRig {
    explicit PrintRig(Injected injected = {}) : Failure(injected) {
        AddThermoCurves(Chart);
        Chart.OnRepaintRequest = [this](Repaint kind) {
            EXPECT_EQ(kind, Repaint::Immediate);
            FootAtRepaints.push_back(Chart.Foot.Visible());
        };
    }

    // The failure's message, if the command failed.
    std::optional<std::string> Run(bool confirm = true, Size clientSize = DesignSize) {
        try {
            RunPrintCommand(
                Chart, clientSize,
                [&] {
                    FootAtDialog = Chart.Foot.Visible();
                    Failure.FailAt(Step::Dialog);
                    return confirm;
                },
                Printer);
        } catch (const Exception& failure) {
            return failure.Message();
        }
        return std::nullopt;
    }

    chart::Chart Chart;
    const Injected Failure;
    FakePrinter Printer{Orientation::Portrait, Failure};
    std::optional<bool> FootAtDialog;
    std::vector<bool> FootAtRepaints;
};

bool Inside(const Rect& inner, const Rect& outer) {
    return outer.Left <= inner.Left && inner.Right <= outer.Right && outer.Top <= inner.Top &&
           inner.Bottom <= outer.Bottom;
}

} // namespace

TEST(PrintCommand, PrintsTheChartWithoutItsFootOnTheMiddleOfALandscapePage) {
    PrintRig rig;
    ASSERT_EQ(rig.Run(), std::nullopt);
    EXPECT_EQ(rig.Printer.Calls, PrinterCallsOfAPrint);
    EXPECT_EQ(rig.Printer.PrintedJobs, 1);
    EXPECT_EQ(rig.Printer.Current, Orientation::Portrait);

    // The window shows the chart without its foot while the dialog is open, and with it afterwards.
    EXPECT_EQ(rig.FootAtDialog, false);
    EXPECT_EQ(rig.FootAtRepaints, (std::vector<bool>{false, true}));
    EXPECT_TRUE(rig.Chart.Foot.Visible());

    // 6000 x 4000 less 15 % on each side is (900, 600)-(5100, 3400): (156, 98)-(882, 553) in logical units.
    const Rect chartOnPage{156, 98, 882, 553};
    EXPECT_EQ(rig.Chart.LastLayout().Area, chartOnPage);
    EXPECT_TRUE(rig.Chart.LastLayout().Foot.IsEmpty());
    const std::vector<Call>& page = rig.Printer.Page.Calls();
    ASSERT_FALSE(page.empty());
    for (const Call& call : page)
        EXPECT_TRUE(Inside(call.Clip, chartOnPage)) << "unclipped call " << static_cast<int>(call.What);
    const std::vector<std::string> texts = rig.Printer.Page.Texts();
    EXPECT_NE(std::ranges::find(texts, rig.Chart.Title.Text), texts.end());
    EXPECT_EQ(std::ranges::find(texts, rig.Chart.Foot.Text), texts.end());
    EXPECT_EQ(rig.Printer.Page.SavedStates, 0);
    EXPECT_EQ(rig.Printer.Mappings, 0);
}

TEST(PrintCommand, PaperHasNoBackgroundAThinDottedGridAndScaledCurves) {
    PrintRig rig;
    ASSERT_EQ(rig.Run(), std::nullopt);
    const Rect area = rig.Chart.LastLayout().Area;
    int grid = 0, curves = 0;
    for (const Call& call : rig.Printer.Page.Calls()) {
        EXPECT_FALSE(call.What == Kind::Fill && Inside(area, call.Area)) << "the panel's background";
        if (call.What == Kind::Line && call.LinePen.Style == PenStyle::Dot) {
            ++grid;
            EXPECT_EQ(call.LinePen, (Pen{colors::Gray, 0, PenStyle::Dot}));
        }
        if (call.What == Kind::Polyline) {
            ++curves;
            EXPECT_EQ(call.LinePen.Width, 3); // logical units: the line grows with the page's scale
        }
    }
    EXPECT_GT(grid, 0);
    EXPECT_GE(curves, static_cast<int>(rig.Chart.SeriesCount()));
}

TEST(PrintCommand, PrintsTheZoomedViewOfTheScreen) {
    PrintRig rig;
    SetAxisRange(rig.Chart.BottomAxis, 100, 300);
    SetAxisRange(rig.Chart.LeftAxis, 0, 10000);
    ASSERT_EQ(rig.Run(), std::nullopt);
    const ChartLayout& onPaper = rig.Chart.LastLayout();
    EXPECT_EQ(onPaper.Bottom.Scale.Minimum, 100);
    EXPECT_EQ(onPaper.Bottom.Scale.Maximum, 300);
    EXPECT_EQ(onPaper.Left.Scale.Minimum, 0);
    EXPECT_EQ(onPaper.Left.Scale.Maximum, 10000);
    ASSERT_FALSE(onPaper.Bottom.Labels.empty());
    EXPECT_EQ(onPaper.Bottom.Labels.front().Value, 100);
    EXPECT_EQ(onPaper.Bottom.Labels.back().Value, 300);
}

TEST(PrintCommand, ALargerWindowGivesTheSamePageRectangleInMoreLogicalUnits) {
    PrintRig rig;
    rig.Printer.Current = Orientation::Landscape;
    ASSERT_EQ(rig.Run(true, {1000, 600}), std::nullopt);
    // 900 * 1000 / 4200 = 214.3, 600 * 600 / 2800 = 128.6, 5100 * 1000 / 4200 = 1214.3, 3400 * 600 / 2800 =
    // 728.6
    EXPECT_EQ(rig.Chart.LastLayout().Area, (Rect{214, 129, 1214, 729}));
    EXPECT_EQ(rig.Printer.Calls.at(4), "SetPageMapping 1000x600 onto 4200x2800");
    EXPECT_EQ(rig.Printer.Calls.back(), "SetOrientation Landscape");
    EXPECT_EQ(rig.Printer.Current, Orientation::Landscape);
}

TEST(PrintCommand, ACancelledDialogPrintsNothingAndBringsTheFootBack) {
    PrintRig rig;
    ASSERT_EQ(rig.Run(false), std::nullopt);
    EXPECT_TRUE(rig.Printer.Calls.empty());
    EXPECT_EQ(rig.FootAtDialog, false);
    EXPECT_EQ(rig.FootAtRepaints, (std::vector<bool>{false, true}));
    EXPECT_TRUE(rig.Chart.Foot.Visible());
}

TEST(PrintCommand, EveryFailureLeavesWithItsMessageAndSetsEverythingBack) {
    struct Case {
        Injected Failure;
        Log PrinterCalls;
    };
    const Log setUp = {"GetOrientation", "SetOrientation Landscape"};
    const auto then = [&](const Log& more) {
        Log calls = setUp;
        calls.insert(calls.end(), more.begin(), more.end());
        return calls;
    };
    const Log drawn =
        then({"PageSize", "BeginDoc Chart2", "SetPageMapping 726x455 onto 4200x2800", "RestorePageMapping"});
    const auto afterDrawing = [&](const Log& more) {
        Log calls = drawn;
        calls.insert(calls.end(), more.begin(), more.end());
        return calls;
    };
    const Case cases[] = {
        // The dialog finds no printer, cannot read the printer list, or is confirmed during a job.
        {{Step::Dialog, "There is no default printer currently selected"}, {}},
        {{Step::Dialog, "System Error.  Code: 1722.\r\nThe RPC server is unavailable."}, {}},
        {{Step::Dialog, "Printing in progress"}, {}},
        // No settings, or a job still open: nothing to set back.
        {{Step::GetOrientation, "Operation not supported on selected printer"}, {"GetOrientation"}},
        {{Step::SetLandscape, "Operation not supported on selected printer"}, setUp},
        {{Step::SetLandscape, "Printing in progress"}, setUp},
        // The printer cannot be opened: no job; the orientation is set back.
        {{Step::PageSize, "Printer selected is not valid"}, then({"PageSize", "SetOrientation Portrait"})},
        {{Step::BeginDoc, "Printer selected is not valid"},
         then({"PageSize", "BeginDoc Chart2", "SetOrientation Portrait"})},
        // Drawing or ending the page fails: the job is aborted before the orientation is set back.
        {{Step::Draw, "Out of memory while drawing"}, afterDrawing({"Abort", "SetOrientation Portrait"})},
        {{Step::EndDoc, "System Error.  Code: 28.\r\nThe printer is out of paper."},
         afterDrawing({"EndDoc", "Abort", "SetOrientation Portrait"})},
        // Setting the orientation back fails as well: the first failure is the one reported.
        {{Step::EndDoc, "Printer out of paper", true},
         afterDrawing({"EndDoc", "Abort", "SetOrientation Portrait"})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Failure.Message);
        PrintRig rig(c.Failure);
        EXPECT_EQ(rig.Run(), c.Failure.Message);
        EXPECT_EQ(rig.Printer.Calls, c.PrinterCalls);
        EXPECT_TRUE(rig.Chart.Foot.Visible());
        EXPECT_EQ(rig.FootAtRepaints.back(), true);
        EXPECT_EQ(rig.Printer.Current,
                  c.Failure.SetBackFails ? Orientation::Landscape : Orientation::Portrait);
        EXPECT_FALSE(rig.Printer.JobOpen);
        EXPECT_EQ(rig.Printer.PrintedJobs, 0);
        EXPECT_EQ(rig.Printer.Mappings, 0);
        EXPECT_EQ(rig.Printer.Page.SavedStates, 0);
    }
}

TEST(PrintCommand, APrintedPageStillReportsAFailureToSetTheOrientationBack) {
    PrintRig rig({Step::None, "", true});
    EXPECT_EQ(rig.Run(), "Operation not supported on selected printer");
    EXPECT_EQ(rig.Printer.PrintedJobs, 1);
    EXPECT_TRUE(rig.Chart.Foot.Visible());
}
