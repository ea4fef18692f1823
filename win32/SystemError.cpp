#include "SystemError.h"

#include "Utf8.h"
#include "WinApi.h"

#include <string>

namespace win32 {

void ThrowLastError() {
    const DWORD code = ::GetLastError();
    wchar_t* buffer = nullptr;
    const DWORD length = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                              FORMAT_MESSAGE_IGNORE_INSERTS,
                                          nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(buffer, length);
    ::LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r'))
        text.pop_back();
    throw ::Exception("System Error.  Code: " + std::to_string(code) + ".\r\n" + Narrow(text));
}

} // namespace win32
