#pragma once

#include "Canvas.h"
#include "Geometry.h"

#include <functional>
#include <string_view>

namespace chart {

class Chart;

enum class Orientation { Portrait, Landscape };

// A print job is queued under the chart's component name.
inline constexpr std::string_view PrintJobName = "Chart2";

// What printing a chart page needs of the printer object. Any operation but RestorePageMapping and
// Abort may fail with an exception that carries the message for the error box.
class PagePrinter {
public:
    virtual ~PagePrinter() = default;

    virtual Orientation GetOrientation() = 0;
    // Takes effect for the page measurements and jobs that start afterwards.
    virtual void SetOrientation(Orientation orientation) = 0;
    // The printable width and height in device pixels; device (0, 0) is the printable area's top left.
    virtual Size PageSize() = 0;

    // Opens a job with one page, queued under the title.
    virtual void BeginDoc(std::string_view title) = 0;
    // The open page's drawing surface.
    virtual Canvas& PageCanvas() = 0;
    // From now on the page's logical (x, y) lands on the device pixel
    // (x * device.Width / logical.Width, y * device.Height / logical.Height); both origins are (0, 0).
    virtual void SetPageMapping(Size logical, Size device) = 0;
    // Brings back the mapping in force before the matching SetPageMapping. Never fails.
    virtual void RestorePageMapping() = 0;
    // Ends the page and the job, which then goes to the printer.
    virtual void EndDoc() = 0;
    // Discards the open job, which then counts as closed; nothing when no job is open. Never fails.
    virtual void Abort() = 0;
};

// Prints the chart's current view on one landscape page of the printer: laid out at the chart's client
// size (screen pixels), stretched onto the middle of the printable area, with the paper rules. The
// printer's orientation is set back afterwards; a failure in drawing or ending the page aborts the job.
void PrintChartPage(Chart& chart, Size clientSize, PagePrinter& printer);

// The print command: the chart loses its foot line while the dialog is open and on paper; a confirmed
// dialog prints the page. The foot line comes back on every way out, before a failure passes on.
void RunPrintCommand(Chart& chart, Size clientSize, const std::function<bool()>& executeDialog,
                     PagePrinter& printer);

} // namespace chart
