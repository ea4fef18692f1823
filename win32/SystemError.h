#pragma once

#include "Exception.h"

namespace win32 {

// The failure of a Windows function, as the calling thread's last error describes it:
// "System Error.  Code: 5.\r\nAccess is denied" (the system's text, without its line break).
[[noreturn]] void ThrowLastError();

} // namespace win32
