#pragma once

#include "Exception.h"
#include "Gdi.h"
#include "GdiCanvas.h"
#include "WinApi.h"

#include "chart/ChartPrint.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace win32 {

// A failure of the printer, the print dialog or a print job.
class EPrinter : public Exception {
public:
    using Exception::Exception;
};

// A printer's settings: a DEVMODEW followed by its driver's private part.
using PrinterSettings = std::vector<std::byte>;

// The printer object: one per process, shared by the print dialog and the chart. Its current printer
// is the system's default until a confirmed print dialog chooses another.
class Printer final : public chart::PagePrinter {
public:
    // Created at its first use: the first print command, as its dialog opens.
    static Printer& Instance();

    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    // The current printer; on first use the system's default, found here.
    const std::wstring& DeviceName();
    // A copy of the current printer's settings; empty when the printer has none.
    const PrinterSettings& Settings();
    // What a confirmed print dialog chose: it stays current until the next confirm.
    void SelectPrinter(std::wstring deviceName, PrinterSettings settings);
    void SetCopies(int copies);

    bool Printing() const { return m_job.has_value(); }
    bool Aborted() const { return m_aborted; }

    chart::Orientation GetOrientation() override;
    void SetOrientation(chart::Orientation orientation) override;
    chart::Size PageSize() override;
    void BeginDoc(std::string_view title) override;
    chart::Canvas& PageCanvas() override;
    void SetPageMapping(chart::Size logical, chart::Size device) override;
    void RestorePageMapping() override;
    void EndDoc() override;
    void Abort() override;

private:
    // A DC's logical-to-device mapping, as SetPageMapping found it.
    struct Mapping {
        int Mode = MM_TEXT;
        SIZE WindowExtent{};
        SIZE ViewportExtent{};
        POINT WindowOrigin{};
        POINT ViewportOrigin{};
    };

    // An open job: its page's device context and the canvas on it.
    struct Job {
        explicit Job(PrinterDC dc) : Dc(std::move(dc)), Canvas(Dc.Get()) {}
        PrinterDC Dc;
        GdiCanvas Canvas;
        std::vector<Mapping> SavedMappings;
    };

    Printer() = default;

    DEVMODEW* DevMode();
    DEVMODEW& RequireDevMode();
    PrinterDC CreatePrinterDC();
    static BOOL CALLBACK AbortProc(HDC dc, int error);

    std::optional<std::wstring> m_deviceName;
    std::optional<PrinterSettings> m_settings;
    std::optional<Job> m_job;
    bool m_aborted = false;
};

} // namespace win32
