// The program's message loop; the dialog manager's keys (Tab, Shift+Tab, Enter) work in
// the main window as in a dialog.
#pragma once

#include <windows.h>

namespace veltrano::win32 {

// Runs until WM_QUIT; returns its exit code.
int runMessageLoop(HWND mainWindow);

}  // namespace veltrano::win32
