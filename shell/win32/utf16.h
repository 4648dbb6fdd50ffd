// The program's text is UTF-8; Windows speaks UTF-16. Conversions happen only at this edge.
#pragma once

#include <string>
#include <string_view>

namespace veltrano::win32 {

// Invalid UTF-8 sequences become U+FFFD.
std::wstring widen(std::string_view utf8);
// Unpaired surrogates become U+FFFD.
std::string narrow(std::wstring_view utf16);

}  // namespace veltrano::win32
