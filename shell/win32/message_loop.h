// The program's message loop; the dialog manager's keys (Tab, Shift+Tab, Enter) work in
// the main window as in a dialog.
#pragma once

#include <windows.h>

#include "shell/win32/tool_tips.h"

namespace veltrano::win32 {

// Runs until WM_QUIT; returns its exit code.
int runMessageLoop(HWND mainWindow, const ToolTips& tips);

}  // namespace veltrano::win32
