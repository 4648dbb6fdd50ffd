// The base of every control wrapper: one child window of the main window, which routes the
// window's notifications back to the wrapper that owns the sending control.
#pragma once

#include <windows.h>

#include "shell/win32/layout.h"

namespace veltrano::win32 {

class NativeControl {
 public:
  explicit NativeControl(HWND hwnd) : hwnd_(hwnd) {}
  NativeControl(const NativeControl&) = delete;
  NativeControl& operator=(const NativeControl&) = delete;
  // The window itself is destroyed with its parent.
  virtual ~NativeControl() = default;

  HWND hwnd() const { return hwnd_; }

  // A WM_COMMAND notification code this control sent.
  virtual void onCommand(UINT /*code*/) {}
  // WM_CTLCOLOR* for this control: the brush to paint with, or nullptr for the defaults.
  virtual HBRUSH onControlColour(HDC /*dc*/) { return nullptr; }
  virtual void onDrawItem(const DRAWITEMSTRUCT& /*item*/) {}
  // Moves and sizes the control; lineHeight is the height of a line of the window's font.
  virtual void place(const PixelRect& rect, int lineHeight);

 protected:
  // Hands the focus on, in tab order, before this control is disabled or hidden: a control
  // that cannot take the focus must not keep it either.
  void giveUpFocus() const;

 private:
  HWND hwnd_;
};

}  // namespace veltrano::win32
