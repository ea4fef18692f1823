#include "ChartPrint.h"

#include "Chart.h"
#include "PageMap.h"

namespace chart {

namespace {

// Keeps the page's logical-to-device mapping for the lifetime of the scope.
class PageMappingScope {
public:
    PageMappingScope(PagePrinter& printer, const PageMapping& mapping) : m_printer(printer) {
        m_printer.SetPageMapping(mapping.Logical, mapping.Device);
    }
    ~PageMappingScope() { m_printer.RestorePageMapping(); }
    PageMappingScope(const PageMappingScope&) = delete;
    PageMappingScope& operator=(const PageMappingScope&) = delete;

private:
    PagePrinter& m_printer;
};

// The chart in logical units, cw x ch like on screen, stretched onto the page rectangle (device pixels).
void DrawChartOnPage(Chart& chart, Size clientSize, const Rect& page, PagePrinter& printer) {
    const std::optional<PageMapping> mapping = MapChartToPage(page, clientSize);
    if (!mapping)
        return; // a page or a chart without area: the page stays empty
    PageMappingScope mapped(printer, *mapping);
    Canvas& canvas = printer.PageCanvas();
    CanvasStateScope clipped(canvas);
    canvas.IntersectClip(mapping->ChartRect);
    chart.Paint(canvas, mapping->ChartRect, Medium::Paper);
}

void PrintLandscapePage(Chart& chart, Size clientSize, PagePrinter& printer) {
    const Rect page = PageRectangle(printer.PageSize(), PageMargins{});
    printer.BeginDoc(PrintJobName);
    try {
        DrawChartOnPage(chart, clientSize, page, printer);
        printer.EndDoc();
    } catch (...) {
        printer.Abort();
        throw;
    }
}

} // namespace

void PrintChartPage(Chart& chart, Size clientSize, PagePrinter& printer) {
    const Orientation previous = printer.GetOrientation();
    printer.SetOrientation(Orientation::Landscape);
    try {
        PrintLandscapePage(chart, clientSize, printer);
    } catch (...) {
        // The failure that stopped the print is the one the user must see, not a later one of this.
        try {
            printer.SetOrientation(previous);
        } catch (...) {
        }
        throw;
    }
    printer.SetOrientation(previous);
}

void RunPrintCommand(Chart& chart, Size clientSize, const std::function<bool()>& executeDialog,
                     PagePrinter& printer) {
    try {
        chart.Foot.SetVisible(false);
        if (executeDialog())
            PrintChartPage(chart, clientSize, printer);
    } catch (...) {
        chart.Foot.SetVisible(true);
        throw;
    }
    chart.Foot.SetVisible(true);
}

} // namespace chart
