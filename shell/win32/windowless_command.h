// veltrano.exe with arguments: the command runs without the main window.
#pragma once

#include <windows.h>

#include "shell/command_line.h"

namespace veltrano::win32 {

// Runs a command other than Window on the machine's real services, turning a message loop
// (for the delays and any message box) until it has ended; returns its exit code.
int runWindowlessCommand(HINSTANCE instance, const CommandLine& command);

}  // namespace veltrano::win32
