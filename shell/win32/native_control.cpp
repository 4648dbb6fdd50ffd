#include "shell/win32/native_control.h"

namespace veltrano::win32 {

void NativeControl::place(const PixelRect& rect, int /*lineHeight*/) {
  SetWindowPos(hwnd_, nullptr, rect.x, rect.y, rect.width, rect.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void NativeControl::giveUpFocus() const {
  if (GetFocus() != hwnd_) {
    return;
  }
  const HWND parent = GetParent(hwnd_);
  const HWND next = GetNextDlgTabItem(parent, hwnd_, FALSE);
  SetFocus(next != nullptr && next != hwnd_ ? next : parent);
}

}  // namespace veltrano::win32
