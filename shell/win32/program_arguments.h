// What veltrano.exe was asked to do by its command line.
#pragma once

#include <windows.h>

#include "shell/command_line.h"

namespace veltrano::win32 {

// The command of the process's command line: the program's name taken off as Windows found it,
// the rest split by CommandLineToArgvW, in UTF-8. No argument is the window; shell32 is loaded
// only when there are arguments.
CommandLine commandOfProcess();

}  // namespace veltrano::win32
