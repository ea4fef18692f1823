#pragma once

#include "WinApi.h"

namespace win32 {

// The system's print dialog over the printer object: printer, its properties, copies and collating;
// all pages, no page numbers, no selection, no print-to-file box and no Help button.
class PrintDialog {
public:
    // Shows the dialog modally over the owner, opened on the current printer and a copy of its settings
    // with their copy count. Confirming makes the chosen printer and settings current, with the chosen
    // copy count, and gives true. Cancel, close or a dialog that cannot be shown change nothing and give
    // false. Fails before any dialog when the system has no default printer (there Wine's dialog would
    // show its own box and return like a cancel).
    bool Execute(HWND owner);
};

} // namespace win32
