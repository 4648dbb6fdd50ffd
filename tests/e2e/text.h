// Text at the edges of the driver: the program's windows speak UTF-16, its files a code page,
// and the expectations are written in UTF-8.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "shell/win32/utf16.h"

namespace e2e {

inline constexpr unsigned kAnsiCodePage = 1252;  // velt2.ini and the registry texts
inline constexpr unsigned kOemCodePage = 850;    // lastconnection.bat, as cmd.exe reads it

using veltrano::win32::narrow;
using veltrano::win32::widen;

// The bytes of a UTF-8 text in a Windows code page; a character the page lacks is a mistake
// in the test itself and throws.
std::string encode(std::string_view utf8, unsigned codePage);

// A UTF-8 text on one line for a message: quoted, control characters escaped.
std::string shown(std::string_view utf8);
// Raw bytes on one line for a message: quoted, control characters and bytes above 0x7F escaped.
std::string shownBytes(std::string_view bytes);

// The lines of a text, each keeping its line ending.
std::vector<std::string> linesOf(std::string_view text);

}  // namespace e2e
