// What veltrano.exe was asked to do by its command line.
#pragma once

#include <windows.h>

#include "shell/command_line.h"

namespace veltrano::win32 {

// The command of wWinMain's argument text (the arguments after the program's name): split
// as CommandLineToArgvW splits the whole command line, in UTF-8. No argument is the window;
// shell32 is loaded only when there are arguments.
CommandLine commandOf(const wchar_t* arguments);

}  // namespace veltrano::win32
