#include "Printer.h"

#include "SystemError.h"
#include "Utf8.h"

#include <winspool.h>

#include <memory>
#include <stdexcept>

namespace win32 {

namespace {

constexpr const char* NoDefaultPrinter = "There is no default printer currently selected";
constexpr const char* PrintingInProgress = "Printing in progress";
constexpr const char* NotSupported = "Operation not supported on selected printer";
constexpr const char* InvalidPrinter = "Printer selected is not valid";

struct PrinterCloser {
    void operator()(HANDLE printer) const { ::ClosePrinter(printer); }
};

// The settings that the printer's driver reports; empty when the printer cannot be opened or has none.
PrinterSettings ReadSettings(const std::wstring& deviceName) {
    wchar_t* name = const_cast<wchar_t*>(deviceName.c_str()); // the API takes names as non-const
    HANDLE handle = nullptr;
    if (!::OpenPrinterW(name, &handle, nullptr))
        return {};
    const std::unique_ptr<void, PrinterCloser> printer(handle);
    const LONG size = ::DocumentPropertiesW(nullptr, handle, name, nullptr, nullptr, 0);
    if (size < static_cast<LONG>(sizeof(DEVMODEW)))
        return {};
    PrinterSettings settings(static_cast<std::size_t>(size));
    auto* devMode = reinterpret_cast<DEVMODEW*>(settings.data());
    if (::DocumentPropertiesW(nullptr, handle, name, devMode, nullptr, DM_OUT_BUFFER) != IDOK)
        return {};
    return settings;
}

} // namespace

Printer& Printer::Instance() {
    static Printer printer;
    return printer;
}

const std::wstring& Printer::DeviceName() {
    if (m_deviceName)
        return *m_deviceName;
    DWORD length = 0;
    ::GetDefaultPrinterW(nullptr, &length); // measures: fails with ERROR_INSUFFICIENT_BUFFER at best
    std::wstring name(length, L'\0');
    if (length == 0 || !::GetDefaultPrinterW(name.data(), &length)) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND)
            throw EPrinter(NoDefaultPrinter);
        ::SetLastError(error); // for the report, which reads it back
        ThrowLastError();
    }
    name.resize(length - 1); // the length counted the terminating null
    return m_deviceName.emplace(std::move(name));
}

const PrinterSettings& Printer::Settings() {
    if (!m_settings)
        m_settings = ReadSettings(DeviceName());
    return *m_settings;
}

void Printer::SelectPrinter(std::wstring deviceName, PrinterSettings settings) {
    if (Printing())
        throw EPrinter(PrintingInProgress);
    m_deviceName = std::move(deviceName);
    m_settings = std::move(settings);
}

void Printer::SetCopies(int copies) {
    if (Printing())
        throw EPrinter(PrintingInProgress);
    DEVMODEW& devMode = RequireDevMode();
    devMode.dmCopies = static_cast<short>(copies);
    devMode.dmFields |= DM_COPIES;
}

DEVMODEW* Printer::DevMode() {
    Settings();
    if (m_settings->size() < sizeof(DEVMODEW))
        return nullptr;
    return reinterpret_cast<DEVMODEW*>(m_settings->data());
}

DEVMODEW& Printer::RequireDevMode() {
    DEVMODEW* devMode = DevMode();
    if (!devMode)
        throw EPrinter(NotSupported);
    return *devMode;
}

chart::Orientation Printer::GetOrientation() {
    return RequireDevMode().dmOrientation == DMORIENT_LANDSCAPE ? chart::Orientation::Landscape
                                                                : chart::Orientation::Portrait;
}

void Printer::SetOrientation(chart::Orientation orientation) {
    if (Printing())
        throw EPrinter(PrintingInProgress);
    DEVMODEW& devMode = RequireDevMode();
    devMode.dmOrientation =
        orientation == chart::Orientation::Landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    devMode.dmFields |= DM_ORIENTATION;
}

PrinterDC Printer::CreatePrinterDC() {
    PrinterDC dc(::CreateDCW(nullptr, DeviceName().c_str(), nullptr, DevMode()));
    if (!dc)
        throw EPrinter(InvalidPrinter);
    return dc;
}

chart::Size Printer::PageSize() {
    const PrinterDC dc = CreatePrinterDC();
    return {::GetDeviceCaps(dc.Get(), HORZRES), ::GetDeviceCaps(dc.Get(), VERTRES)};
}

void Printer::BeginDoc(std::string_view title) {
    if (Printing())
        throw EPrinter(PrintingInProgress);
    PrinterDC dc = CreatePrinterDC();
    if (::SetAbortProc(dc.Get(), AbortProc) <= 0)
        ThrowLastError();
    const std::wstring documentName = Widen(title);
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = documentName.c_str();
    m_aborted = false;
    if (::StartDocW(dc.Get(), &document) <= 0)
        ThrowLastError();
    m_job.emplace(std::move(dc));
    if (::StartPage(m_job->Dc.Get()) <= 0) {
        const DWORD error = ::GetLastError();
        Abort();
        ::SetLastError(error);
        ThrowLastError();
    }
}

chart::Canvas& Printer::PageCanvas() {
    if (!m_job)
        throw std::logic_error("no page: BeginDoc first");
    return m_job->Canvas;
}

void Printer::SetPageMapping(chart::Size logical, chart::Size device) {
    if (!m_job)
        throw std::logic_error("no page: BeginDoc first");
    HDC dc = m_job->Dc.Get();
    Mapping& saved = m_job->SavedMappings.emplace_back();
    saved.Mode = ::GetMapMode(dc);
    ::GetWindowExtEx(dc, &saved.WindowExtent);
    ::GetViewportExtEx(dc, &saved.ViewportExtent);
    ::GetWindowOrgEx(dc, &saved.WindowOrigin);
    ::GetViewportOrgEx(dc, &saved.ViewportOrigin);
    ::SetMapMode(dc, MM_ANISOTROPIC);
    ::SetWindowExtEx(dc, logical.Width, logical.Height, nullptr);
    ::SetViewportExtEx(dc, device.Width, device.Height, nullptr);
    ::SetWindowOrgEx(dc, 0, 0, nullptr);
    ::SetViewportOrgEx(dc, 0, 0, nullptr);
}

void Printer::RestorePageMapping() {
    if (!m_job || m_job->SavedMappings.empty())
        return;
    HDC dc = m_job->Dc.Get();
    const Mapping saved = m_job->SavedMappings.back();
    m_job->SavedMappings.pop_back();
    // Extents count only in the two scalable modes; the others fix their own.
    ::SetMapMode(dc, saved.Mode);
    if (saved.Mode == MM_ANISOTROPIC || saved.Mode == MM_ISOTROPIC) {
        ::SetWindowExtEx(dc, saved.WindowExtent.cx, saved.WindowExtent.cy, nullptr);
        ::SetViewportExtEx(dc, saved.ViewportExtent.cx, saved.ViewportExtent.cy, nullptr);
    }
    ::SetWindowOrgEx(dc, saved.WindowOrigin.x, saved.WindowOrigin.y, nullptr);
    ::SetViewportOrgEx(dc, saved.ViewportOrigin.x, saved.ViewportOrigin.y, nullptr);
}

void Printer::EndDoc() {
    if (!m_job)
        throw std::logic_error("no job: BeginDoc first");
    // On a failure the job stays open for the caller to abort.
    if (::EndPage(m_job->Dc.Get()) <= 0 || ::EndDoc(m_job->Dc.Get()) <= 0)
        ThrowLastError();
    m_job.reset();
}

void Printer::Abort() {
    if (!m_job)
        return;
    m_aborted = true;
    ::AbortDoc(m_job->Dc.Get());
    m_job.reset();
}

// The spooler calls this while it works on the job: the window goes on handling its messages.
BOOL CALLBACK Printer::AbortProc(HDC, int) {
    const Printer& printer = Instance();
    MSG message;
    while (!printer.m_aborted && ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(message.wParam)); // for the message loop to see
            break;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return !printer.m_aborted;
}

} // namespace win32
