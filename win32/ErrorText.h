#pragma once

#include <string>
#include <string_view>

namespace win32 {

// The error box's text for an exception's message: a "." is appended when the message is not empty
// and its last byte, taken as unsigned, lies above '.' (0x2E). The rule looks at bytes: a UTF-8 message
// ending in a non-ASCII letter (last byte >= 0x80) gains the period like one ending in an ASCII letter.
std::string ErrorBoxText(std::string_view message);

} // namespace win32
