// The window both start-up baselines open: one class, one top-level window, shown, and the
// message loop until it is closed.
#pragma once

#include <windows.h>

namespace veltrano::bench {

// Registers the class, creates the window, lets addChildren (if any) fill it, shows it and
// runs the message loop. Returns the program's exit code.
int runBenchWindow(HINSTANCE instance, int show, const wchar_t* title,
                   void (*addChildren)(HWND window, HINSTANCE instance));

}  // namespace veltrano::bench
