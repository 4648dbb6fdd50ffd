// The floor for start-up under Wine: a Win32 program that registers a class, opens one
// window, shows it and runs the message loop. Closing the window ends it.
#include "bench_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  return veltrano::bench::runBenchWindow(instance, show, L"Minimal", nullptr);
}
