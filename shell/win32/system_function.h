// A function of a system DLL, loaded when it is first called. The DLLs that only Help and
// applying a connection need (hhctrl.ocx, shell32, wininet) stay out of the program's start.
#pragma once

#include <windows.h>

namespace veltrano::win32 {

template <typename Function>
class SystemFunction {
 public:
  SystemFunction(const wchar_t* library, const char* name) : library_(library), name_(name) {}

  // Null when the DLL or the function is missing.
  Function get() {
    if (!tried_) {
      tried_ = true;
      // From the system folder only, never from beside the program or the current folder.
      if (const HMODULE module = LoadLibraryExW(library_, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        // Through the generic function pointer type, which every compiler accepts as a
        // go-between for a function pointer cast.
        function_ =
            reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name_)));
      }
    }
    return function_;
  }

 private:
  const wchar_t* library_;
  const char* name_;
  bool tried_ = false;
  Function function_ = nullptr;
};

}  // namespace veltrano::win32
