// A window object behind an HWND: `this` is stored at WM_NCCREATE and every later message
// goes to handleMessage.
#pragma once

#include <windows.h>

namespace veltrano::win32 {

class BaseWindow {
 public:
  BaseWindow() = default;
  BaseWindow(const BaseWindow&) = delete;
  BaseWindow& operator=(const BaseWindow&) = delete;
  virtual ~BaseWindow() = default;

  HWND hwnd() const { return hwnd_; }

 protected:
  // The window procedure of every class whose windows are created with `this` as the
  // creation parameter.
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

 private:
  HWND hwnd_ = nullptr;
};

}  // namespace veltrano::win32
