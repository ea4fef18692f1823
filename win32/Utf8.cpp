#include "Utf8.h"

#include "WinApi.h"

namespace win32 {

std::wstring Widen(std::string_view utf8) {
    if (utf8.empty())
        return {};
    const int size = static_cast<int>(utf8.size());
    std::wstring wide(::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::string Narrow(std::wstring_view utf16) {
    if (utf16.empty())
        return {};
    const int size = static_cast<int>(utf16.size());
    std::string narrow(::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr),
                       '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, narrow.data(), static_cast<int>(narrow.size()),
                          nullptr, nullptr);
    return narrow;
}

} // namespace win32
