// Windows' notices of interface and address changes (NotifyIpInterfaceChange,
// NotifyUnicastIpAddressChange), which come on a thread of the system, brought to the window's
// thread: a burst of them runs the handler once, a moment after the last.
#pragma once

#include <windows.h>

#include <atomic>

#include "shell/toolkit.h"

namespace veltrano::win32 {

class NetworkWatch {
 public:
  // Made on the window's thread, whose message loop then runs the handler.
  explicit NetworkWatch(Handler onChange);
  ~NetworkWatch();
  NetworkWatch(const NetworkWatch&) = delete;
  NetworkWatch& operator=(const NetworkWatch&) = delete;

  // On the system's thread: tells the window's thread once per burst.
  void changed();

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  Handler onChange_;
  HWND window_ = nullptr;
  std::atomic<bool> pending_{false};
  HANDLE interfaces_ = nullptr;
  HANDLE addresses_ = nullptr;
};

}  // namespace veltrano::win32
