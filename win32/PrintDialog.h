#pragma once

namespace win32 {

// The system's print dialog, a component without a window of its own. It keeps every setting at its
// default; showing it comes with printing.
class PrintDialog {};

} // namespace win32
