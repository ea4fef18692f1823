#include "PrintDialog.h"

#include "Printer.h"

#include <commdlg.h>

#include <cstring>
#include <new>
#include <string>

namespace win32 {

namespace {

// Movable global memory holding a copy of the bytes, as the dialog takes its settings.
HGLOBAL GlobalCopy(const void* data, std::size_t size) {
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory)
        throw std::bad_alloc();
    std::memcpy(::GlobalLock(memory), data, size);
    ::GlobalUnlock(memory);
    return memory;
}

// A DEVNAMES naming the device, followed by its three strings (offsets in characters).
HGLOBAL DevNamesFor(const std::wstring& deviceName) {
    const std::wstring driver = L"winspool";
    std::wstring block(sizeof(DEVNAMES) / sizeof(wchar_t), L'\0');
    DEVNAMES names{};
    names.wDriverOffset = static_cast<WORD>(block.size());
    block += driver + L'\0';
    names.wDeviceOffset = static_cast<WORD>(block.size());
    block += deviceName + L'\0';
    names.wOutputOffset = static_cast<WORD>(block.size());
    block += L'\0';
    std::memcpy(block.data(), &names, sizeof names);
    return GlobalCopy(block.data(), block.size() * sizeof(wchar_t));
}

std::wstring DeviceNameOf(HGLOBAL devNames) {
    const auto* names = static_cast<const DEVNAMES*>(::GlobalLock(devNames));
    std::wstring device = reinterpret_cast<const wchar_t*>(names) + names->wDeviceOffset;
    ::GlobalUnlock(devNames);
    return device;
}

PrinterSettings SettingsOf(HGLOBAL devMode) {
    if (!devMode)
        return {};
    const auto* mode = static_cast<const DEVMODEW*>(::GlobalLock(devMode));
    const auto* bytes = reinterpret_cast<const std::byte*>(mode);
    PrinterSettings settings(bytes, bytes + mode->dmSize + mode->dmDriverExtra);
    ::GlobalUnlock(devMode);
    return settings;
}

// Frees the dialog's settings memory on every way out; the dialog may have replaced the blocks it got.
class DialogMemory {
public:
    explicit DialogMemory(PRINTDLGW& dialog) : m_dialog(dialog) {}
    ~DialogMemory() {
        if (m_dialog.hDevMode)
            ::GlobalFree(m_dialog.hDevMode);
        if (m_dialog.hDevNames)
            ::GlobalFree(m_dialog.hDevNames);
    }
    DialogMemory(const DialogMemory&) = delete;
    DialogMemory& operator=(const DialogMemory&) = delete;

private:
    PRINTDLGW& m_dialog;
};

} // namespace

bool PrintDialog::Execute(HWND owner) {
    Printer& printer = Printer::Instance();
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = PD_ALLPAGES | PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE;
    dialog.nCopies = 1; // only when the printer has no settings: else the settings' copy count shows
    DialogMemory memory(dialog);
    dialog.hDevNames = DevNamesFor(printer.DeviceName());
    if (const PrinterSettings& settings = printer.Settings(); !settings.empty())
        dialog.hDevMode = GlobalCopy(settings.data(), settings.size());

    if (!::PrintDlgW(&dialog))
        return false;
    printer.SelectPrinter(DeviceNameOf(dialog.hDevNames), SettingsOf(dialog.hDevMode));
    printer.SetCopies(dialog.nCopies);
    return true;
}

} // namespace win32
