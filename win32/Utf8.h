#pragma once

#include <string>
#include <string_view>

namespace win32 {

// Our texts are UTF-8; the wide Windows API takes UTF-16. Invalid sequences become U+FFFD.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

} // namespace win32
